// Quorvane StarCraft Chat: a companion window for the game's Battle.net chat screen.
#include <windows.h>

#include <commctrl.h>

#include "win32/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show_command) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryW(L"Msftedit.dll");

    qv::MainWindow window;
    if (!window.Create(show_command)) return 1;

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // No dialog navigation: Enter must reach the typing box as a key.
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
