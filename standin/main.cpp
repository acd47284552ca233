// standin-game.exe: a stand-in for the game's Battle.net chat screen, driven by a script file
// and writing a transcript of what is done to it.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

#include "chat_screen.h"
#include "options.h"
#include "script.h"
#include "text.h"
#include "transcript.h"

namespace {

constexpr UINT kScriptPollMs = 50;

standin::ChatScreen* g_screen = nullptr;
standin::Transcript* g_transcript = nullptr;
standin::ScriptFile* g_script = nullptr;

// Runs the lines in order; false once a line asked the stand-in to end.
bool RunLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (standin::RunCommand(line, g_screen, g_transcript) == standin::CommandResult::kExit) {
            return false;
        }
    }
    return true;
}

void CALLBACK PollScript(HWND, UINT, UINT_PTR, DWORD) {
    if (!RunLines(g_script->TakeNewLines())) g_screen->Close();
}

void ReportError(const std::wstring& message) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
    const std::string text = "standin-game: " + standin::Cp1252FromWide(message) + "\n";
    DWORD written = 0;
    WriteFile(error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    standin::Options options;
    std::wstring error = L"cannot read the command line";
    if (!argv || !standin::ParseOptions(argc, argv, &options, &error)) {
        ReportError(error);
        return 2;
    }
    LocalFree(argv);

    standin::Transcript transcript;
    if (!transcript.Open(options.transcript)) {
        ReportError(L"cannot open the transcript " + options.transcript);
        return 2;
    }
    standin::ChatScreen screen(options, &transcript);
    standin::ScriptFile script(options.script);
    g_screen = &screen;
    g_transcript = &transcript;
    g_script = &script;
    if (!screen.Create(instance)) {
        ReportError(L"cannot create the windows");
        return 1;
    }

    // Commands already waiting run before anything shows: first the init file, whole, then
    // the complete lines the script file holds so far.
    standin::ScriptFile init(options.init);
    if (!RunLines(init.TakeNewLines(true)) || !RunLines(script.TakeNewLines())) {
        screen.Close();
        return 0;
    }
    if (!options.handles.empty() && !screen.WriteHandles(options.handles)) {
        ReportError(L"cannot write the handles to " + options.handles);
    }
    screen.Show();
    screen.SettleWindowOrder();
    transcript.Write("ready");
    if (!options.script.empty()) SetTimer(nullptr, 0, kScriptPollMs, PollScript);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
