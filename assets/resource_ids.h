// Resource ids of the program, shared by resources.rc and the code that loads them.
#pragma once

// List control: the product icon strip and the stored settings of the main window's lists.
#define IDB_ICON_STRIP 3101
#define IDR_LISTBOXFX1_PROPS 3102
#define IDR_LISTBOXFX2_PROPS 3103

// Skins, drawn by tools/make_skins.py: per skin the main window's background
// (768 x 540), then the faces of Send and Whisper (73 x 27) and of Quit, Channels, Create
// and Join (100 x 50).
// Starcraft
#define IDB_SKIN_SC_BACKGROUND 3201
#define IDB_SKIN_SC_SEND 3202
#define IDB_SKIN_SC_WHISPER 3203
#define IDB_SKIN_SC_QUIT 3204
#define IDB_SKIN_SC_CHANNELS 3205
#define IDB_SKIN_SC_CREATE 3206
#define IDB_SKIN_SC_JOIN 3207
// Blue
#define IDB_SKIN_BLUE_BACKGROUND 3211
#define IDB_SKIN_BLUE_SEND 3212
#define IDB_SKIN_BLUE_WHISPER 3213
#define IDB_SKIN_BLUE_QUIT 3214
#define IDB_SKIN_BLUE_CHANNELS 3215
#define IDB_SKIN_BLUE_CREATE 3216
#define IDB_SKIN_BLUE_JOIN 3217
// Silver
#define IDB_SKIN_SILVER_BACKGROUND 3221
#define IDB_SKIN_SILVER_SEND 3222
#define IDB_SKIN_SILVER_WHISPER 3223
#define IDB_SKIN_SILVER_QUIT 3224
#define IDB_SKIN_SILVER_CHANNELS 3225
#define IDB_SKIN_SILVER_CREATE 3226
#define IDB_SKIN_SILVER_JOIN 3227

// User pop-up Form7: its three backgrounds (tools/make_popup_backgrounds.py). The numbers are
// also the pop-up's picture numbers (src/userlists/form7_layout.h).
#define IDB_POPUP_STARCRAFT 3111
#define IDB_POPUP_BLUE 3112
#define IDB_POPUP_SILVER 3113
// Tool windows: the channel window's background and picture buttons
// (tools/make_channel_art.py); src/tools/tool_pictures.h holds the same numbers.
#define IDB_CHANNEL_BACK 3301
#define IDB_CHANNEL_JOIN 3302
#define IDB_CHANNEL_CLOSE 3303
