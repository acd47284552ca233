// Resource ids of the program, shared by resources.rc and the code that loads them.
#pragma once

// List control: the product icon strip and the stored settings of the main window's lists.
#define IDB_ICON_STRIP 3101
#define IDR_LISTBOXFX1_PROPS 3102
#define IDR_LISTBOXFX2_PROPS 3103

// User pop-up Form7: its three backgrounds (tools/make_popup_backgrounds.py). The numbers are
// also the pop-up's picture numbers (src/userlists/form7_layout.h).
#define IDB_POPUP_STARCRAFT 3111
#define IDB_POPUP_BLUE 3112
#define IDB_POPUP_SILVER 3113
