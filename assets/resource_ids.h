// Resource ids of the program, shared by resources.rc and the code that loads them.
#pragma once

// List control: the product icon strip and the stored settings of the main window's lists.
#define IDB_ICON_STRIP 3101
#define IDR_LISTBOXFX1_PROPS 3102
#define IDR_LISTBOXFX2_PROPS 3103

// Tool windows (issue 9): the channel window's background and picture buttons
// (tools/make_channel_art.py); src/tools/tool_pictures.h holds the same numbers.
#define IDB_CHANNEL_BACK 3301
#define IDB_CHANNEL_JOIN 3302
#define IDB_CHANNEL_CLOSE 3303
