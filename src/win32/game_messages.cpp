#include "win32/game_messages.h"

#include <memory>

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

// One trip on its way: the caller may stop waiting for it, the sending thread finishes it in
// any case.
struct GameMessenger::Job {
    HWND window = nullptr;
    Trip trip;
    Delivery delivery = Delivery::kNoAnswer;
    bool finished = false;
};

// What the caller and the sending thread share; the thread keeps it alive for as long as it
// runs, which may be beyond the messenger when a game holds it. A slim lock and a condition
// variable: under Wine they wait in the kernel, where events and waits for window messages
// are each a trip to Wine's server, costing more than the message itself.
struct GameMessenger::Line {
    explicit Line(MessageSender s) : sender(std::move(s)) {}
    MessageSender sender;
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;  // a job given or finished, the end
    std::shared_ptr<Job> job;  // the message being sent; none while the thread is free
    bool quit = false;
};

namespace {

class Locked {
  public:
    explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~Locked() { ReleaseSRWLockExclusive(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

  private:
    SRWLOCK& lock_;
};

constexpr size_t kMostWindowsRemembered = 4096;

// Messages whose answer Wine sizes, across processes, with a query of its own that has no
// time limit (LB_GETTEXT first asks the row's length). Only these need the sending thread;
// the rest go from the caller, since a trip costs both threads a wake.
bool NeedsSendingThread(UINT msg) { return msg == LB_GETTEXT; }

// A message that got no answer: the window's program is silent, or the window is gone.
Delivery Unanswered(HWND window) {
    return IsWindow(window) ? Delivery::kNoAnswer : Delivery::kNoWindow;
}

}  // namespace

DWORD WINAPI GameMessenger::SendingThread(void* parameter) {
    const std::unique_ptr<std::shared_ptr<Line>> held(
        static_cast<std::shared_ptr<Line>*>(parameter));
    Line& line = **held;
    Locked locked(line.lock);
    for (;;) {
        while (!line.quit && (!line.job || line.job->finished)) {
            SleepConditionVariableSRW(&line.changed, &line.lock, INFINITE, 0);
        }
        if (line.quit) return 0;
        const std::shared_ptr<Job> job = line.job;
        ReleaseSRWLockExclusive(&line.lock);
        const Delivery delivery =
            job->trip([&](GameMessage& message) { return line.sender(job->window, message); });
        AcquireSRWLockExclusive(&line.lock);
        job->delivery = delivery;
        job->finished = true;
        line.job.reset();
        WakeAllConditionVariable(&line.changed);
    }
}

GameMessenger::GameMessenger() : GameMessenger(TimedSender()) {}

GameMessenger::GameMessenger(MessageSender sender)
    : line_(std::make_shared<Line>(std::move(sender))) {}

GameMessenger::~GameMessenger() {
    if (!thread_) return;
    {
        Locked locked(line_->lock);
        line_->quit = true;
        WakeAllConditionVariable(&line_->changed);
    }
    // A thread that a game holds ends when the game lets it go.
    WaitForSingleObject(thread_, kAnswerWaitMs);
    CloseHandle(thread_);
}

bool GameMessenger::StartThread() {
    if (thread_) return true;
    if (thread_failed_) return false;
    auto* held = new std::shared_ptr<Line>(line_);
    thread_ = CreateThread(nullptr, 0, SendingThread, held, 0, nullptr);
    if (!thread_) {
        delete held;
        thread_failed_ = true;
    }
    return thread_ != nullptr;
}

DWORD GameMessenger::ThreadOf(HWND window) {
    const auto known = window_threads_.find(window);
    if (known != window_threads_.end()) return known->second;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (thread == 0) return 0;
    if (window_threads_.size() >= kMostWindowsRemembered) window_threads_.clear();
    window_threads_.emplace(window, thread);
    return thread;
}

bool GameMessenger::Held() {
    Locked locked(line_->lock);
    return line_->job != nullptr;
}

std::optional<Delivery> GameMessenger::Refused(HWND window) {
    if (!window) return Delivery::kNoWindow;
    if (Held()) return Unanswered(window);
    return std::nullopt;
}

Delivery GameMessenger::Send(HWND window, const std::shared_ptr<GameMessage>& message) {
    if (NeedsSendingThread(message->msg)) {
        return SendThroughThread(window,
                                 [message](const TripSender& send) { return send(*message); });
    }
    // While the sending thread is held, nothing is sent; while it is not, it is out of the
    // sender, so this thread may use it.
    if (const std::optional<Delivery> refused = Refused(window)) return *refused;
    return line_->sender(window, *message);
}

Delivery GameMessenger::SendThroughThread(HWND window, const Trip& trip) {
    if (const std::optional<Delivery> refused = Refused(window)) return *refused;
    const DWORD thread = ThreadOf(window);
    if (thread == 0) return Delivery::kNoWindow;
    // A window of this very thread would wait for this thread; it is asked directly (it is
    // not another program's, so Wine asks it nothing of its own). So is every window when no
    // sending thread could be made.
    if (thread == GetCurrentThreadId() || !StartThread()) {
        return trip([&](GameMessage& message) { return line_->sender(window, message); });
    }
    auto job = std::make_shared<Job>();
    job->window = window;
    job->trip = trip;
    bool finished = false;
    {
        Locked locked(line_->lock);
        line_->job = job;
        WakeAllConditionVariable(&line_->changed);
        const ULONGLONG end = GetTickCount64() + kAnswerWaitMs;
        for (ULONGLONG now = GetTickCount64(); !job->finished && now < end;
             now = GetTickCount64()) {
            SleepConditionVariableSRW(&line_->changed, &line_->lock, static_cast<DWORD>(end - now),
                                      0);
        }
        finished = job->finished;
    }
    return finished ? job->delivery : Unanswered(window);
}

}  // namespace qv
