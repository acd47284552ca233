#include "win32/game_messages.h"

#include <mutex>

namespace qv {
namespace {

LPARAM LParamOf(GameMessage& message) {
    if (!message.wide.empty()) return reinterpret_cast<LPARAM>(message.wide.data());
    if (message.ansi) return reinterpret_cast<LPARAM>(message.ansi_text.c_str());
    return message.lp;
}

}  // namespace

Delivery TimedSender::operator()(HWND window, GameMessage& message) {
    DWORD_PTR answer = 0;
    // The window's thread is looked up only while some thread is silent, or after a failure:
    // under Wine each lookup of another program's window is one more trip to the server.
    if (!silent_threads_.empty()) {
        const DWORD thread = GetWindowThreadProcessId(window, nullptr);
        if (thread == 0) return Delivery::kNoWindow;
        if (silent_threads_.count(thread)) {
            if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSilentProbeTimeoutMs,
                                     &answer)) {
                return IsWindow(window) ? Delivery::kNoAnswer : Delivery::kNoWindow;
            }
            silent_threads_.erase(thread);
        }
    }
    const UINT flags = SMTO_NORMAL | SMTO_ABORTIFHUNG;
    const LPARAM lp = LParamOf(message);
    const LRESULT sent = message.ansi ? SendMessageTimeoutA(window, message.msg, message.wp, lp,
                                                            flags, kAnswerTimeoutMs, &answer)
                                      : SendMessageTimeoutW(window, message.msg, message.wp, lp,
                                                            flags, kAnswerTimeoutMs, &answer);
    if (!sent) {
        const DWORD thread = GetWindowThreadProcessId(window, nullptr);
        if (thread == 0 || !IsWindow(window)) return Delivery::kNoWindow;
        silent_threads_.insert(thread);
        return Delivery::kNoAnswer;
    }
    message.answer = static_cast<LRESULT>(answer);
    return Delivery::kAnswered;
}

// One message on its way: the caller may stop waiting for it, the sending thread finishes it
// in any case.
struct GameMessenger::Job {
    HWND window = nullptr;
    std::shared_ptr<GameMessage> message;
    Delivery delivery = Delivery::kNoAnswer;
    std::atomic<bool> finished{false};
};

// What the caller and the sending thread share; the thread keeps it alive for as long as it
// runs, which may be beyond the messenger when a game holds it.
struct GameMessenger::Line {
    explicit Line(MessageSender s) : sender(std::move(s)) {}
    ~Line() {
        if (wake) CloseHandle(wake);
        if (done) CloseHandle(done);
    }
    MessageSender sender;
    std::mutex mutex;
    std::shared_ptr<Job> job;  // the message being sent; none while the thread is free
    bool quit = false;
    HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // a job, or the end
    HANDLE done = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // a job finished
};

DWORD WINAPI GameMessenger::SendingThread(void* parameter) {
    const std::unique_ptr<std::shared_ptr<Line>> held(
        static_cast<std::shared_ptr<Line>*>(parameter));
    Line& line = **held;
    for (;;) {
        WaitForSingleObject(line.wake, INFINITE);
        std::shared_ptr<Job> job;
        {
            std::lock_guard<std::mutex> lock(line.mutex);
            if (line.quit) return 0;
            job = line.job;
        }
        if (!job) continue;
        job->delivery = line.sender(job->window, *job->message);
        job->finished.store(true, std::memory_order_release);
        {
            std::lock_guard<std::mutex> lock(line.mutex);
            line.job.reset();
        }
        SetEvent(line.done);
    }
}

GameMessenger::GameMessenger() : GameMessenger(TimedSender()) {}

GameMessenger::GameMessenger(MessageSender sender)
    : line_(std::make_shared<Line>(std::move(sender))) {}

GameMessenger::~GameMessenger() {
    if (!thread_) return;
    {
        std::lock_guard<std::mutex> lock(line_->mutex);
        line_->quit = true;
    }
    SetEvent(line_->wake);
    // A thread that a game holds ends when the game lets it go.
    WaitForSingleObject(thread_, kAnswerWaitMs);
    CloseHandle(thread_);
}

bool GameMessenger::StartThread() {
    if (thread_) return true;
    if (thread_failed_ || !line_->wake || !line_->done) return false;
    auto* held = new std::shared_ptr<Line>(line_);
    thread_ = CreateThread(nullptr, 0, SendingThread, held, 0, nullptr);
    if (!thread_) {
        delete held;
        thread_failed_ = true;
    }
    return thread_ != nullptr;
}

bool GameMessenger::WaitFinished(const std::atomic<bool>& finished) {
    const ULONGLONG end = GetTickCount64() + kAnswerWaitMs;
    while (!finished.load(std::memory_order_acquire)) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return false;
        // Messages sent to this thread are handled meanwhile, as SendMessage does while it
        // waits: a window of this thread may be the one asked. Nothing posted runs.
        const DWORD woke = MsgWaitForMultipleObjectsEx(
            1, &line_->done, static_cast<DWORD>(end - now), QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0 + 1) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        } else if (woke == WAIT_FAILED) {
            Sleep(1);
        }
    }
    return true;
}

Delivery GameMessenger::Send(HWND window, const std::shared_ptr<GameMessage>& message) {
    if (!window) return Delivery::kNoWindow;
    // Without a thread of its own (none could be made) the message goes from here.
    if (!StartThread()) return line_->sender(window, *message);
    auto job = std::make_shared<Job>();
    job->window = window;
    job->message = message;
    {
        std::lock_guard<std::mutex> lock(line_->mutex);
        if (line_->job) {
            // Still held by an earlier message: this one is not sent at all.
            return IsWindow(window) ? Delivery::kNoAnswer : Delivery::kNoWindow;
        }
        line_->job = job;
    }
    SetEvent(line_->wake);
    if (!WaitFinished(job->finished)) {
        return IsWindow(window) ? Delivery::kNoAnswer : Delivery::kNoWindow;
    }
    return job->delivery;
}

}  // namespace qv
