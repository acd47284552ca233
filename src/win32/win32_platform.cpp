#include "win32/win32_platform.h"

#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "win32/win32_text.h"

namespace qv {
namespace {

// Room beyond the announced length for a row that grows between the two list messages:
// the list box writes the row as it is at the second message.
constexpr int kRowReadSlack = 4096;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<WindowHandle>*>(lp)->push_back(FromHwnd(hwnd));
    return TRUE;
}

const wchar_t kTimerWindowClass[] = L"QuorvaneTimerWindow";

// Milliseconds on a steady clock finer than GetTickCount's steps.
int64_t NowMs() {
    static const int64_t frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<int64_t>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<int64_t>(now.QuadPart) * 1000 / frequency;
}

UINT PeriodOf(const Timer& timer) {
    return static_cast<UINT>(timer.Interval() < 1 ? 1 : timer.Interval());
}

}  // namespace

// ---- timers ---------------------------------------------------------------------------

HWND CreateMessageWindow(const wchar_t* window_class, WNDPROC proc, void* owner) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = window_class;
    RegisterClassW(&wc);
    HWND window = CreateWindowW(window_class, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
    if (window) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return window;
}

Win32TimerService::Win32TimerService()
    : window_(CreateMessageWindow(kTimerWindowClass, WndProc, this)) {}

int64_t Win32TimerService::Now() const { return NowMs(); }

Win32TimerService::~Win32TimerService() {
    for (auto& [id, timer] : timers_) KillTimer(window_, id);
    DestroyWindow(window_);
}

void Win32TimerService::StartTimer(Timer& timer) {
    const UINT_PTR id = next_id_++;
    timer.service_seq = id;
    timer.service_due = Now();  // the start of its periods
    timers_[id] = &timer;
    SetTimer(window_, id, PeriodOf(timer), nullptr);
}

void Win32TimerService::StopTimer(Timer& timer) {
    const UINT_PTR id = static_cast<UINT_PTR>(timer.service_seq);
    KillTimer(window_, id);
    timers_.erase(id);
    realigning_.erase(id);
}

void Win32TimerService::RestTimer(Timer& timer) {
    const UINT_PTR id = static_cast<UINT_PTR>(timer.service_seq);
    KillTimer(window_, id);
    realigning_.erase(id);
}

void Win32TimerService::WakeTimer(Timer& timer) {
    const UINT_PTR id = static_cast<UINT_PTR>(timer.service_seq);
    const int64_t period = PeriodOf(timer);
    const int64_t into = (Now() - timer.service_due) % period;
    SetTimer(window_, id, static_cast<UINT>(period - into), nullptr);
    realigning_.insert(id);
}

LRESULT CALLBACK Win32TimerService::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        auto* self = reinterpret_cast<Win32TimerService*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self) {
            const UINT_PTR id = static_cast<UINT_PTR>(wp);
            auto it = self->timers_.find(id);
            if (it != self->timers_.end()) {
                if (self->realigning_.erase(id)) SetTimer(hwnd, id, PeriodOf(*it->second), nullptr);
                it->second->Fire();
            }
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// ---- windows --------------------------------------------------------------------------

std::vector<WindowHandle> Win32WindowSystem::EnumTopLevelWindows() {
    std::vector<WindowHandle> out;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::vector<WindowHandle> Win32WindowSystem::EnumChildWindows(WindowHandle parent) {
    std::vector<WindowHandle> out;
    if (parent != 0)
        ::EnumChildWindows(ToHwnd(parent), CollectWindow, reinterpret_cast<LPARAM>(&out));
    return out;
}

int Win32WindowSystem::GetWindowTextLengthA(WindowHandle window) {
    return ::GetWindowTextLengthA(ToHwnd(window));
}

std::string Win32WindowSystem::GetWindowTextA(WindowHandle window, int max_chars) {
    if (max_chars <= 0) return "";
    std::string buffer(static_cast<size_t>(max_chars) + 1, '\0');
    const int n = ::GetWindowTextA(ToHwnd(window), buffer.data(), max_chars + 1);
    buffer.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return buffer;
}

namespace {

// A message without text (lParam 0).
std::shared_ptr<GameMessage> Plain(UINT msg, WPARAM wp) {
    auto message = std::make_shared<GameMessage>();
    message->msg = msg;
    message->wp = wp;
    return message;
}

// A message carrying a text, wide and with its terminator.
std::shared_ptr<GameMessage> WithText(UINT msg, const std::string& text) {
    auto message = Plain(msg, 0);
    const std::wstring wide = Widen(text);
    message->wide.assign(wide.c_str(), wide.c_str() + wide.size() + 1);
    return message;
}

// A message with room for a wide text of `room` characters, terminator included.
std::shared_ptr<GameMessage> WithRoom(UINT msg, WPARAM wp, size_t room) {
    auto message = Plain(msg, wp);
    message->wide.assign(room, L'\0');
    return message;
}

// What a delivered message answered, as the platform's interface gives it: 0 for no window,
// `on_failure` when the window's program did not answer.
LRESULT AnswerOf(Delivery delivery, const GameMessage& message, LRESULT on_failure) {
    switch (delivery) {
        case Delivery::kAnswered:
            return message.answer;
        case Delivery::kNoWindow:
            return 0;
        case Delivery::kNoAnswer:
            break;
    }
    return on_failure;
}

}  // namespace

LRESULT Win32WindowSystem::Send(WindowHandle h, const std::shared_ptr<GameMessage>& message,
                                LRESULT on_failure) {
    prefetched_.reset();
    return AnswerOf(messenger_.Send(ToHwnd(h), message), *message, on_failure);
}

LRESULT Win32WindowSystem::Send(WindowHandle h, UINT msg, WPARAM wp, LRESULT on_failure) {
    return Send(h, Plain(msg, wp), on_failure);
}

int Win32WindowSystem::ListGetCount(WindowHandle list) {
    return static_cast<int>(Send(list, LB_GETCOUNT, 0, kNoAnswer));
}

int Win32WindowSystem::ListGetTextLen(WindowHandle list, int row) {
    // A row's length is asked only to read the row at once, so its text is read in the same
    // trip of the sending thread and kept for that read: one trip a row, and from the thread
    // without windows, whose messages cost Wine less than those of the window thread.
    prefetched_.reset();
    const auto length = Plain(LB_GETTEXTLEN, static_cast<WPARAM>(row));
    auto text = std::make_shared<PrefetchedRow>();
    text->list = list;
    text->row = row;
    const Delivery delivery = messenger_.SendThroughThread(
        ToHwnd(list), [length, text](const GameMessenger::TripSender& send) {
            const Delivery asked = send(*length);
            if (asked == Delivery::kAnswered && length->answer >= 0) {
                text->read = WithRoom(LB_GETTEXT, length->wp,
                                      static_cast<size_t>(length->answer) + 1 + kRowReadSlack);
                text->delivery = send(*text->read);
            }
            return asked;
        });
    if (delivery == Delivery::kAnswered && text->read) prefetched_ = text;
    return static_cast<int>(AnswerOf(delivery, *length, kNoAnswer));
}

ListRowRead Win32WindowSystem::ListGetText(WindowHandle list, int row, int capacity) {
    ListRowRead read;
    if (capacity < 1) capacity = 1;
    std::shared_ptr<GameMessage> message;
    LRESULT m = 0;
    const std::shared_ptr<PrefetchedRow> kept = std::move(prefetched_);
    if (kept && kept->list == list && kept->row == row &&
        static_cast<size_t>(capacity) <= kept->read->wide.size()) {
        message = kept->read;
        m = AnswerOf(kept->delivery, *message, kNoAnswer);
    } else {
        // The wide message: the ANSI one writes UTF-16 across processes under Wine.
        message = WithRoom(LB_GETTEXT, static_cast<WPARAM>(row),
                           static_cast<size_t>(capacity) + kRowReadSlack);
        m = Send(list, message, kNoAnswer);
    }
    read.length = static_cast<int>(m);
    if (m >= 0 && m <= capacity - 1) {
        read.text = Narrow(std::wstring(message->wide.data(), static_cast<size_t>(m)));
    }
    return read;
}

void Win32WindowSystem::ListAddString(WindowHandle list, const std::string& text) {
    Send(list, WithText(LB_ADDSTRING, text), LB_ERR);
}

void Win32WindowSystem::ListSelectString(WindowHandle list, const std::string& text) {
    Send(list, WithText(LB_SELECTSTRING, text), LB_ERR);
}

void Win32WindowSystem::SetText(WindowHandle window, const std::string& text) {
    // The game takes its input in the ANSI code page.
    const auto message = Plain(WM_SETTEXT, 0);
    message->ansi = true;
    message->ansi_text = Utf8ToAnsi(text);
    Send(window, message, 0);
}

std::optional<std::string> Win32WindowSystem::GetText(WindowHandle window) {
    // One message into a buffer of fixed room: the answer is the number of characters copied.
    const auto message = WithRoom(WM_GETTEXT, kTextReadRoom, kTextReadRoom);
    const LRESULT m = Send(window, message, kNoAnswer);
    if (m == kNoAnswer) return std::nullopt;
    if (m <= 0) return std::string();
    const size_t length = std::min(static_cast<size_t>(m), static_cast<size_t>(kTextReadRoom - 1));
    return Narrow(std::wstring(message->wide.data(), length));
}

void Win32WindowSystem::Click(WindowHandle button) {
    Send(button, WM_LBUTTONDOWN, 0, 0);
    Send(button, WM_LBUTTONUP, 0, 0);
}

uint32_t Win32WindowSystem::GetStyle(WindowHandle window) {
    if (window == 0) return 0;
    return static_cast<uint32_t>(GetWindowLongA(ToHwnd(window), GWL_STYLE));
}

void Win32WindowSystem::ShowWindow(WindowHandle window, int command) {
    // Showing another program's window waits for that program; the asynchronous form does not.
    if (window != 0) ::ShowWindowAsync(ToHwnd(window), command);
}

WindowHandle Win32WindowSystem::GetActiveWindow() { return FromHwnd(::GetActiveWindow()); }

WindowHandle Win32WindowSystem::GetForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

// ---- process --------------------------------------------------------------------------

bool Win32Process::SetPriorityClass(uint32_t priority_class) {
    return ::SetPriorityClass(GetCurrentProcess(), priority_class) != 0;
}

uint32_t Win32Process::GetPriorityClass() { return ::GetPriorityClass(GetCurrentProcess()); }

void Win32Process::EndProgram() { ExitProcess(0); }

// ---- sound ----------------------------------------------------------------------------

bool Win32Sound::PlayMemory(const uint8_t* image, size_t, uint32_t flags) {
    return PlaySoundA(reinterpret_cast<LPCSTR>(image), nullptr, flags) != FALSE;
}

// ---- files ----------------------------------------------------------------------------

namespace {

// The portable code writes paths with '/'.
std::string PortablePath(const wchar_t* path) {
    std::string text = Narrow(path);
    for (char& c : text) {
        if (c == '\\') c = '/';
    }
    return text;
}

}  // namespace

std::string Win32Files::ProgramFolder() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    const std::string folder = PortablePath(path);
    const size_t slash = folder.find_last_of('/');
    return slash == std::string::npos ? folder : folder.substr(0, slash);
}

std::string Win32Files::CurrentFolder() {
    wchar_t path[MAX_PATH * 4] = {};
    GetCurrentDirectoryW(static_cast<DWORD>(std::size(path)), path);
    std::string folder = PortablePath(path);
    while (folder.size() > 3 && folder.back() == '/') folder.pop_back();
    return folder;
}

bool Win32Files::CreateFolder(const std::string& path) {
    const std::wstring wide = Widen(path);
    if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

bool WriteBytes(const std::string& path, const std::string& bytes, bool append) {
    HANDLE file =
        CreateFileW(Widen(path).c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ,
                    nullptr, append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

}  // namespace

bool Win32Files::AppendToFile(const std::string& path, const std::string& bytes) {
    return WriteBytes(path, bytes, true);
}

bool Win32Files::WriteFile(const std::string& path, const std::string& bytes) {
    return WriteBytes(path, bytes, false);
}

namespace {

// The system's words for an error code, without the line break it ends with.
std::string SystemReason(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words = n > 0 && text ? std::wstring(text, n) : std::wstring();
    if (text) LocalFree(text);
    while (!words.empty() &&
           (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' '))
        words.pop_back();
    if (words.empty()) words = L"Error " + std::to_wstring(code) + L".";
    return Narrow(words);
}

}  // namespace

bool Win32Files::ReplaceFile(const std::string& path, const std::string& bytes,
                             std::string* reason) {
    const std::wstring target = Widen(path);
    const size_t slash = path.find_last_of('/');
    const std::wstring folder = Widen(slash == std::string::npos ? "." : path.substr(0, slash));
    auto fail = [&](DWORD code, const std::wstring& temp) {
        if (!temp.empty()) DeleteFileW(temp.c_str());
        if (reason) *reason = SystemReason(code);
        return false;
    };
    // A target that cannot be written at all (a folder, a read-only file) is told before any
    // work is done; a file locked by another program fails at the replacement below.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        return fail(ERROR_ACCESS_DENIED, L"");
    }
    // Writes all bytes into `name`, made anew; the error of the first step that fails.
    auto write_whole = [&](const wchar_t* name) -> DWORD {
        HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return GetLastError();
        DWORD written = 0;
        const BOOL ok =
            ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        const DWORD write_error = ok ? ERROR_SUCCESS : GetLastError();
        const BOOL closed = CloseHandle(file);
        if (!ok || written != bytes.size() || !closed) {
            return write_error != ERROR_SUCCESS ? write_error : ERROR_WRITE_FAULT;
        }
        return ERROR_SUCCESS;
    };
    wchar_t temp[MAX_PATH + 1] = {};
    if (!GetTempFileNameW(folder.c_str(), L"qvh", 0, temp)) {
        // A folder that takes no new file may still hold a file that can be overwritten.
        const DWORD direct = write_whole(target.c_str());
        return direct == ERROR_SUCCESS ? true : fail(direct, L"");
    }
    if (const DWORD error = write_whole(temp); error != ERROR_SUCCESS) return fail(error, temp);
    if (!MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return fail(GetLastError(), temp);
    }
    return true;
}

std::string Win32Files::DisplayPath(const std::string& path) {
    std::string shown = path;
    for (char& c : shown) {
        if (c == '/') c = '\\';
    }
    return shown;
}

// ---- clock and text -------------------------------------------------------------------

LocalDateTime Win32Clock::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

std::string Win32Clock::FormatTime(const LocalDateTime& when) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(when.year);
    st.wMonth = static_cast<WORD>(when.month);
    st.wDay = static_cast<WORD>(when.day);
    st.wHour = static_cast<WORD>(when.hour);
    st.wMinute = static_cast<WORD>(when.minute);
    st.wSecond = static_cast<WORD>(when.second);
    wchar_t buffer[64] = {};
    if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 64) <= 0) return "";
    return Narrow(buffer);
}

int16_t Win32Keyboard::GetAsyncKeyState(int32_t virtual_key) {
    return static_cast<int16_t>(::GetAsyncKeyState(virtual_key));
}

std::string Win32Codec::ToAnsi(const std::string& utf8) { return Utf8ToAnsi(utf8); }
std::string Win32Codec::FromAnsi(const std::string& ansi) { return AnsiToUtf8(ansi); }

}  // namespace qv
