// Quorvane StarCraft Chat: a companion window for the game's Battle.net chat screen.
#include <windows.h>

#include "win32/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show_command) {
    qv::LoadControlLibraries();
    qv::MainWindow window;
    if (!window.Create(show_command)) return 1;
    return qv::RunMessageLoop();
}
