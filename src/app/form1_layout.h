// The main window's controls as a table: what each is, where it stands and how it looks.
#pragma once

#include "core/form_table.h"

namespace qv {

constexpr int kMainClientWidth = 765;
constexpr int kMainClientHeight = 540;

// Window ids of the main window's controls, also used by the tests that drive the window
// from another process.
enum MainControlId : int {
    kIdCommand1 = 1001,  // Send
    kIdText4 = 1004,     // typing box
    kIdCommand5 = 1005,  // game's Quit, then end
    kIdCommand7 = 1007,  // game's Create
    kIdCommand8 = 1008,  // game's Join
    kIdText9 = 1009,     // loading note, below the visible client area
    kIdRichTextBox2 = 1102,
    kIdListBoxFX1 = 1201,  // channel users
    kIdListBoxFX2 = 1202,  // friends, hidden in the same place

    // User lists and user commands.
    kIdCommand4 = 1301,  // Whisper
    kIdCheck1 = 1302,    // "Hide offline friends"
    kIdOption1 = 1303,   // Channel view
    kIdOption2 = 1304,   // Friends view
    kIdOption3 = 1305,   // Both view
    // Tool windows and menu bar.
    kIdCommand6 = 1006,  // channel list window

    // ---- Message history and handle capture ----
    kIdCommand3 = 1003,  // hidden: shows the message history window
};

FormSpec Form1Layout();

}  // namespace qv
