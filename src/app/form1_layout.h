// The main window's controls as a table: what each is, where it stands and how it looks.
#pragma once

#include "core/form_spec.h"

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

    // ---- Message history and handle capture ----
    kIdCommand3 = 1003,  // hidden: shows the message history window
};

FormSpec Form1Layout();

}  // namespace qv
