// Command-line options of the stand-in game.
#pragma once

#include <string>

namespace standin {

struct Options {
    std::wstring title = L"Brood War";  // --title: caption of the game's main window
    // --pos X,Y: screen position of the chat screen's top-left corner; the main window's
    // caption and border sit around it, above and to the left.
    int x = 20;
    int y = 40;
    std::wstring script;            // --script: file of commands, followed while running
    std::wstring init;              // --init: file of commands run before the windows show
    std::wstring transcript;        // --transcript: file the events are appended to
    std::wstring handles;           // --handles: file that receives the 18 control handles
    std::wstring name = L"Player";  // --name: the player whose own lines the chat echoes
    // --unicode-chat (no value): the chat list box is a Unicode window, so rows far longer
    // than an ANSI list box allows can be read across processes.
    bool unicode_chat = false;
};

// Parses the arguments after the program name. On failure returns false and says why.
bool ParseOptions(int argc, wchar_t** argv, Options* options, std::wstring* error);

}  // namespace standin
