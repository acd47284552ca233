// The 13 handle boxes of the game's chat-screen controls, bound from the 18 descendants of
// the chat-screen window. Each holds a handle as decimal text, "0" while unbound.
#pragma once

#include <array>
#include <string>

#include "core/change_field.h"
#include "platform/window_system.h"

namespace qv {

constexpr int kChatScreenControlCount = 18;

struct HandleBoxes {
    TextField text{"0"};              // chat input box
    TextField handlekanal{"0"};       // Channel tab
    TextField handlefreunde{"0"};     // Friends tab
    TextField create{"0"};            // Create button
    TextField join{"0"};              // Join button
    TextField quit{"0"};              // Quit button
    TextField channel{"0"};           // channel user list box
    TextField Text13{"0"};            // friends list box
    TextField list{"0"};              // chat list box
    TextField button{"0"};            // Send button
    TextField channeln{"0"};          // channel-name control
    TextField scrollbarhandle{"0"};   // scroll bar of the channel user list
    TextField scrollbarfreunde{"0"};  // scroll bar of the friends list
};

// One row of the control map: which descendant goes into which box.
struct GameControlMapEntry {
    int row;
    TextField HandleBoxes::*box;
};

// The binding writes the boxes in this order: the input box before the chat list, so the
// view is emptied before the welcome lines and the pump start.
constexpr std::array<GameControlMapEntry, 13> kGameControlMap = {{
    {0, &HandleBoxes::text},
    {9, &HandleBoxes::list},
    {7, &HandleBoxes::channel},
    {1, &HandleBoxes::handlekanal},
    {2, &HandleBoxes::handlefreunde},
    {8, &HandleBoxes::Text13},
    {10, &HandleBoxes::button},
    {12, &HandleBoxes::channeln},
    {13, &HandleBoxes::scrollbarhandle},
    {14, &HandleBoxes::scrollbarfreunde},
    {3, &HandleBoxes::create},
    {4, &HandleBoxes::join},
    {6, &HandleBoxes::quit},
}};

// The handle a box holds; 0 (no window) when its text is not a number.
WindowHandle HandleOf(const TextField& box);

}  // namespace qv
