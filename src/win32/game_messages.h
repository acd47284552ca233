// Messages to another program's windows that cannot hold ours: each returns within about
// kAnswerWaitMs, whatever the other program or Wine does. Under Wine a cross-process
// LB_GETTEXT first asks the list for the row's length itself, without a time limit, so a game
// that hangs at that moment would hold the sender for the whole hang. Such a message is sent
// by a thread of the messenger's own that owns no window, and the caller waits for it at most
// kAnswerWaitMs; the others are sent by the caller with that time limit. While the sending
// thread is held, every message is answered "no answer" at once instead of queueing behind
// it. Each message owns the memory its lParam points at, so an answer that comes late writes
// only there, and is dropped.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace qv {

// How long one message may take on the sending thread, and how long a thread that stopped
// answering gets to show it answers again.
constexpr UINT kAnswerTimeoutMs = 1000;
constexpr UINT kSilentProbeTimeoutMs = 50;
// How long the caller waits for the sending thread: a short question and a message that
// takes the whole limit.
constexpr DWORD kAnswerWaitMs = kAnswerTimeoutMs + kSilentProbeTimeoutMs + 50;

enum class Delivery { kAnswered, kNoWindow, kNoAnswer };

// One message with the memory its lParam points at.
struct GameMessage {
    UINT msg = 0;
    WPARAM wp = 0;
    // Sent as lParam when the message carries no text.
    LPARAM lp = 0;
    // When not empty, lParam points here: the text sent, or the room for the text answered.
    std::vector<wchar_t> wide;
    // With `ansi`, lParam points at this text instead, sent with the A function.
    std::string ansi_text;
    bool ansi = false;
    // Written by the sender: what the window answered, when it did.
    LRESULT answer = 0;
};

// Delivers one message; used by one thread at a time (the sending thread, or the caller while
// the sending thread is free).
using MessageSender = std::function<Delivery(HWND window, GameMessage& message)>;

// The sender of the program: the message with a time limit of kAnswerTimeoutMs. A thread that
// did not answer is marked silent, and each further message to it first asks a short question,
// so a hanging game costs one wait of the limit, and is talked to normally again as soon as it
// answers.
class TimedSender {
  public:
    Delivery operator()(HWND window, GameMessage& message);

  private:
    std::set<DWORD> silent_threads_;
};

class GameMessenger {
  public:
    // Sends a trip's messages, in order, on the sending thread.
    using TripSender = std::function<Delivery(GameMessage& message)>;
    // What one trip of the sending thread does: sends its messages, which it owns, and gives
    // the delivery that stands for the trip.
    using Trip = std::function<Delivery(const TripSender& send)>;

    GameMessenger();
    // With a sender of the tests' own instead of TimedSender.
    explicit GameMessenger(MessageSender sender);
    GameMessenger(const GameMessenger&) = delete;
    GameMessenger& operator=(const GameMessenger&) = delete;
    ~GameMessenger();

    // Sends the message to `window`, through the sending thread when Wine would ask the window
    // something of its own for it; waits at most kAnswerWaitMs. Once answered, the message
    // holds the answer and any text written into its memory.
    Delivery Send(HWND window, const std::shared_ptr<GameMessage>& message);
    // Makes the trip on the sending thread and waits for it at most kAnswerWaitMs: "no
    // answer" when it took longer (what it owns then takes its late answers).
    Delivery SendThroughThread(HWND window, const Trip& trip);

  private:
    struct Job;
    struct Line;
    static DWORD WINAPI SendingThread(void* line);
    bool StartThread();
    // True while the sending thread is held by an earlier trip.
    bool Held();
    // What a message to `window` gets without being sent: no window for handle 0; while the
    // sending thread is held, no answer (or no window, once it is gone). Nothing otherwise.
    std::optional<Delivery> Refused(HWND window);
    // The thread of the window, 0 when there is none; remembered, since under Wine each
    // lookup of another program's window is a trip to the server.
    DWORD ThreadOf(HWND window);

    std::shared_ptr<Line> line_;
    HANDLE thread_ = nullptr;
    bool thread_failed_ = false;
    std::unordered_map<HWND, DWORD> window_threads_;
};

}  // namespace qv
