// A player's mouse and keys as the end-to-end tests give them, and the waits that make the
// input land where it should.
//
// Under Wine the cursor may jump back for a moment to where it was before a move: the display
// reports the earlier move late, and the system takes that report for a new move. A relative
// event, such as the companion's own synthetic click, then lands at the old place. So every
// click first puts the cursor at its place and waits until it stays there.
#pragma once

#include <windows.h>

namespace e2e {

// Moves the cursor to `at` and waits until it has stayed there a while, moving it again
// whenever it jumps back; false when it does not settle within `timeout_ms`.
bool PlaceCursor(POINT at, int timeout_ms = 5000);

// Clicks at a point of the screen: the cursor put there first, then the button events, each
// with the point. False when the cursor did not settle there. `sent` receives the tick count
// just before the click was sent.
bool LeftClickAt(POINT at, ULONGLONG* sent = nullptr);
bool RightClickAt(POINT at);
bool DoubleClickAt(POINT at);

// The middle of a window, in screen pixels.
POINT CentreOf(HWND window);

// Makes the window the foreground window and waits until it is.
bool BringToFront(HWND window, int timeout_ms = 5000);

// A key of the keyboard pressed or released, as the player's hand does it.
void KeyDown(WORD virtual_key);
void KeyUp(WORD virtual_key);

}  // namespace e2e
