// Resource ids of the program, shared by resources.rc and the code that loads them.
#pragma once

// List control: the product icon strip and the stored settings of the main window's lists.
#define IDB_ICON_STRIP 3101
#define IDR_LISTBOXFX1_PROPS 3102
#define IDR_LISTBOXFX2_PROPS 3103
