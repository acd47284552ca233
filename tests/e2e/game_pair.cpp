#include "e2e/game_pair.h"

#include "chat/chat_pump.h"
#include "e2e/loop_probe.h"
#include "text.h"

namespace e2e {
namespace {

constexpr int kReadyTimeoutMs = 20000;
constexpr int kMainWindowTimeoutMs = 20000;
constexpr DWORD kExitWaitMs = 10000;

void SwitchLoggingOn() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\QuorvaneDIZuvo\\Logfile", 0, nullptr, 0,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const wchar_t one[] = L"1";
    RegSetValueExW(key, L"Log", 0, REG_SZ, reinterpret_cast<const BYTE*>(one), sizeof one);
    RegCloseKey(key);
}

std::wstring DayLogFile() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t name[64];
    swprintf(name, 64, L"\\Log\\%02u-%02u-%04u-LogFile.txt", now.wMonth, now.wDay, now.wYear);
    return ExeDir() + name;
}

}  // namespace

std::string ScriptEscape(const std::string& bytes) { return standin::EscapeTranscriptText(bytes); }

bool GamePair::Start(const std::string& tag, const std::vector<std::string>& init,
                     const std::wstring& standin_arguments) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    work_ = std::wstring(temp) + L"qv-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            Widen(tag);
    CreateDirectoryW(work_.c_str(), nullptr);
    script_ = work_ + L"\\script.txt";
    transcript_ = work_ + L"\\transcript.txt";
    handles_ = work_ + L"\\handles.txt";
    const std::wstring init_file = work_ + L"\\init.txt";
    for (const std::wstring& path : {script_, transcript_, handles_, init_file})
        DeleteFileW(path.c_str());
    AppendLine(script_, "");
    for (const std::string& line : init) AppendLine(init_file, line);

    if (switch_logging_on) SwitchLoggingOn();
    log_file_ = DayLogFile();
    DeleteFileW(log_file_.c_str());

    if (!game_.Start(L"\"" + ExeDir() + L"\\standin-game.exe\" --pos 0,0 --init \"" + init_file +
                     L"\" --script \"" + script_ + L"\" --transcript \"" + transcript_ +
                     L"\" --handles \"" + handles_ + L"\" " + standin_arguments)) {
        error = "the stand-in did not start";
        return false;
    }
    if (!WaitUntil([&] { return CountPrefix(Transcript(), "ready") == 1; }, kReadyTimeoutMs)) {
        error = "the stand-in never reported ready";
        return false;
    }
    return StartCompanion();
}

bool GamePair::StartCompanion() {
    if (!companion_.Start(L"\"" + ExeDir() + L"\\" + companion_exe + L"\"", work_)) {
        error = "the companion did not start";
        return false;
    }
    const DWORD pid = companion_.info.dwProcessId;
    if (!WaitUntil(
            [&] {
                HWND window = nullptr;
                while ((window = FindWindowExW(nullptr, window, L"QuorvaneForm1", nullptr))) {
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    if (owner == pid) {
                        main_ = window;
                        return true;
                    }
                }
                return false;
            },
            kMainWindowTimeoutMs)) {
        error = "the companion's main window never appeared";
        return false;
    }
    SetWindowPos(main_, HWND_TOP, 660, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void GamePair::Stop() {
    if (game_.info.hProcess) {
        if (!game_.Exited(0)) Script("exit");
        game_.Exited(kExitWaitMs);
        game_.Stop();
    }
    StopCompanion();
}

void GamePair::StopCompanion() {
    companion_.Stop();
    main_ = nullptr;
}

bool GamePair::WaitBound(int times, int timeout_ms) const {
    return WaitUntil(
        [&] {
            const auto lines = Transcript();
            return CountPrefix(lines, "added ") >= 5 * times &&
                   CountPrefix(lines, "selected ") >= times;
        },
        timeout_ms);
}

std::vector<std::string> GamePair::TranscriptSince(size_t from) const {
    auto lines = Transcript();
    if (from > lines.size()) from = lines.size();
    return std::vector<std::string>(lines.begin() + static_cast<long>(from), lines.end());
}

bool GamePair::Sync(size_t* after, int timeout_ms) const {
    const std::string mark = "mark sync " + std::to_string(++marks_);
    Script(mark);
    return WaitUntil(
        [&] {
            const auto lines = Transcript();
            for (size_t i = lines.size(); i-- > 0;) {
                if (lines[i] != mark) continue;
                if (after) *after = i + 1;
                return true;
            }
            return false;
        },
        timeout_ms);
}

bool GamePair::WaitPumpPass(int timeout_ms) const {
    const std::string text = "pump pass " + std::to_string(++marks_);
    Script("chat \\x10Sync\\x10: " + text);
    return WaitUntil([&] { return View().find("Sync: " + text) != std::string::npos; }, timeout_ms);
}

HWND GamePair::GameControl(int index) const {
    const std::vector<std::string> lines = ReadLines(handles_);
    if (index < 0 || static_cast<size_t>(index) >= lines.size()) return nullptr;
    return reinterpret_cast<HWND>(
        static_cast<intptr_t>(std::stol(lines[static_cast<size_t>(index)])));
}

GamePair* SharedPair::Get(const std::string& tag, const std::vector<std::string>& init) {
    fresh_ = false;
    if (pair_ && !spoiled_ && pair_->GameRunning() && pair_->CompanionRunning()) {
        return pair_.get();
    }
    pair_.reset();
    spoiled_ = false;
    fresh_ = true;
    auto pair = std::make_unique<GamePair>();
    // Each start in a folder of its own: nothing of the pair before is read by mistake.
    if (!pair->Start(tag + "-" + std::to_string(++starts_), init)) {
        error = pair->error;
        return nullptr;
    }
    if (!pair->WaitBound(1, 30000)) {
        error = "the companion never bound the chat screen";
        return nullptr;
    }
    pair_ = std::move(pair);
    return pair_.get();
}

std::vector<std::string> GamePair::ViewParagraphs() const { return SplitParagraphs(View()); }

bool GamePair::Answers(DWORD ms) const { return LoopAnswers(Control(kControlText4), ms); }

std::string GamePair::LogTail(size_t bytes) const {
    HANDLE file = CreateFileW(log_file_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    LARGE_INTEGER start{};
    start.QuadPart = size.QuadPart > static_cast<LONGLONG>(bytes)
                         ? size.QuadPart - static_cast<LONGLONG>(bytes)
                         : 0;
    SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
    std::string tail(bytes, '\0');
    DWORD got = 0;
    ReadFile(file, &tail[0], static_cast<DWORD>(bytes), &got, nullptr);
    tail.resize(got);
    CloseHandle(file);
    return tail;
}

std::vector<std::string> SplitParagraphs(const std::string& text) {
    std::vector<std::string> paragraphs;
    if (text.empty()) return paragraphs;
    size_t begin = 0;
    for (;;) {
        const size_t end = text.find("\r\n", begin);
        paragraphs.push_back(text.substr(begin, end - begin));
        if (end == std::string::npos) break;
        begin = end + 2;
    }
    return paragraphs;
}

bool IsWelcomeLine(const std::string& line) {
    for (const char* text : qv::kWelcomeTexts) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

}  // namespace e2e
