// A stand-in game and a companion started together for one test or suite: the stand-in is
// driven through its script and watched through its transcript, the companion through its
// chat view and its day log (logging switched on through the registry).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/e2e_support.h"

namespace e2e {

// The companion's controls the tests use.
constexpr int kControlText4 = 1004;         // typing box
constexpr int kControlRichTextBox2 = 1102;  // chat view

// The bytes as a script argument: control bytes, 8-bit bytes and the backslash as \xNN.
std::string ScriptEscape(const std::string& bytes);

class GamePair {
  public:
    GamePair() = default;
    GamePair(const GamePair&) = delete;
    GamePair& operator=(const GamePair&) = delete;
    ~GamePair() { Stop(); }

    // Starts the stand-in with these init lines and arguments, waits for it to be ready, then
    // starts the companion from another folder and waits for its main window. The day's log
    // beside the companion is removed first. False (with `error` set) when either fails.
    bool Start(const std::string& tag, const std::vector<std::string>& init,
               const std::wstring& standin_arguments = L"");
    // Starts the companion alone beside the running stand-in and waits for its main window
    // (after StopCompanion, for another run of it).
    bool StartCompanion();
    // Ends both programs: the stand-in by its exit command, the companion by force.
    void Stop();
    // Ends the companion by force; the stand-in goes on.
    void StopCompanion();

    // Waits until the transcript holds at least `times` rounds of the five welcome lines and
    // their selection, i.e. the companion has bound the chat screen that often.
    bool WaitBound(int times, int timeout_ms) const;

    void Script(const std::string& line) const { AppendLine(script_, line); }
    std::vector<std::string> Transcript() const { return ReadLines(transcript_); }
    // The transcript's lines from `from` on.
    std::vector<std::string> TranscriptSince(size_t from) const;
    // Scripts a mark and waits until the stand-in has written it: every line scripted before
    // has run. `after` receives the transcript's length just after the mark.
    bool Sync(size_t* after = nullptr, int timeout_ms = 10000) const;
    // Waits until the companion has shown a chat row the game got after this call: its pump
    // has run since, with every timer due before it.
    bool WaitPumpPass(int timeout_ms = 10000) const;

    // The stand-in's chat-screen control `index` (0..17, as the stand-in last wrote them).
    HWND GameControl(int index) const;

    HWND main() const { return main_; }
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    // The chat view's text as UTF-8 and as paragraphs.
    std::string View() const { return WindowText(Control(kControlRichTextBox2)); }
    std::vector<std::string> ViewParagraphs() const;
    // True when the companion's message loop handles a character posted to its typing box
    // within `ms` (the box is left as it was).
    bool Answers(DWORD ms) const;

    const std::wstring& log_file() const { return log_file_; }
    // The companion's current folder (where it saves "StarcraftLOG.rtf").
    const std::wstring& work_folder() const { return work_; }
    std::string Log() const { return ReadFileBytes(log_file_); }
    // The last `bytes` bytes of the log, cheap to read while it grows.
    std::string LogTail(size_t bytes) const;

    bool GameRunning() const { return game_.info.hProcess && !game_.Exited(0); }
    bool CompanionRunning() const { return companion_.info.hProcess && !companion_.Exited(0); }
    HANDLE companion_process() const { return companion_.info.hProcess; }
    DWORD companion_pid() const { return companion_.info.dwProcessId; }

    std::string error;
    // Start stores "Logfile\Log" = "1" first, so the companion logs; false leaves the
    // stored settings as they are.
    bool switch_logging_on = true;
    // The companion's program, beside the tests.
    std::wstring companion_exe = L"quorvane-chat.exe";

  private:
    std::wstring work_, script_, transcript_, handles_, log_file_;
    Process game_, companion_;
    HWND main_ = nullptr;
    mutable int marks_ = 0;
};

// A pair the tests of one suite share. Each test takes it running and bound; after a test
// that failed, or once either program has ended, the next test gets a fresh pair, so nothing
// a failure left behind reaches it.
class SharedPair {
  public:
    // The pair, started afresh with these init lines when the one there cannot be used on;
    // null (with `error` set) when a fresh one does not start or bind.
    GamePair* Get(const std::string& tag, const std::vector<std::string>& init);
    // True when the last Get started the pair afresh.
    bool fresh() const { return fresh_; }
    // The next Get starts afresh.
    void Spoil() { spoiled_ = true; }
    void Stop() { pair_.reset(); }

    std::string error;

  private:
    std::unique_ptr<GamePair> pair_;
    bool spoiled_ = false;
    bool fresh_ = false;
    int starts_ = 0;
};

// Splits the chat view's text into its paragraphs (CR LF between them).
std::vector<std::string> SplitParagraphs(const std::string& text);

// True for a paragraph or log line that holds one of the companion's five welcome texts.
bool IsWelcomeLine(const std::string& line);

}  // namespace e2e
