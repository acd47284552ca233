// The real platform against an ANSI list box owned by another thread, as the game's list is:
// rows in code page 1252 read whole through the wide messages, and a thread that stops
// answering neither blocks the reader for good nor turns its rows into empty ones.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gamelink/list_read.h"
#include "win32/game_messages.h"
#include "win32/win32_platform.h"

namespace qv {
namespace {

// A thread of its own with an ANSI list box, like the game's chat list.
class GameThread {
  public:
    GameThread() {
        thread_ = std::thread([this] { Run(); });
        while (!list_.load()) Sleep(1);
    }
    ~GameThread() {
        PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
        thread_.join();
    }
    WindowHandle List() const { return FromHwnd(list_.load()); }
    // Adds a row of code-page bytes with the A message, from the list's own thread.
    void Add(const std::string& bytes) {
        SendMessageA(list_.load(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
    }
    // The thread stops pumping messages until Wake; back once it has stopped.
    void Hang() {
        PostMessageA(list_.load(), WM_APP, 0, 0);
        WaitFor(true);
    }
    // The thread pumps messages again; back once it does.
    void Wake() {
        SetEvent(wake_);
        WaitFor(false);
    }
    // The window's own text, as the game's channel-name control holds the channel name.
    void SetTitle(const std::string& bytes) { SetWindowTextA(list_.load(), bytes.c_str()); }
    static int LengthQueries() { return length_queries_.load(); }
    // The room that the last WM_GETTEXT offered, in characters.
    static WPARAM TextRoom() { return text_room_.load(); }

  private:
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_APP) {
            hanging_.store(true);
            WaitForSingleObject(wake_, kLongestWaitMs);
            hanging_.store(false);
            return 0;
        }
        if (m == WM_GETTEXTLENGTH) ++length_queries_;
        if (m == WM_GETTEXT) text_room_ = wp;
        auto* original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_USERDATA));
        return CallWindowProcA(original, w, m, wp, lp);
    }
    void Run() {
        thread_id_ = GetCurrentThreadId();
        HWND list = CreateWindowExA(0, "LISTBOX", "", LBS_HASSTRINGS, 0, 0, 100, 100, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        const LONG_PTR original =
            SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
        SetWindowLongPtrA(list, GWLP_USERDATA, original);
        list_.store(list);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
        DestroyWindow(list);
    }

    // Waits, a minute at most, for the hang to have begun (true) or ended (false).
    static void WaitFor(bool hanging) {
        const ULONGLONG end = GetTickCount64() + kLongestWaitMs;
        while (hanging_.load() != hanging && GetTickCount64() < end) Sleep(1);
        ASSERT_EQ(hanging_.load(), hanging)
            << "the game thread did not " << (hanging ? "hang" : "wake");
    }

    static inline std::atomic<int> length_queries_{0};
    static inline std::atomic<WPARAM> text_room_{0};
    static inline std::atomic<bool> hanging_{false};
    static inline HANDLE wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    static constexpr DWORD kLongestWaitMs = 60000;
    std::thread thread_;
    std::atomic<HWND> list_{nullptr};
    DWORD thread_id_ = 0;
};

TEST(GameList, CodePageRowsArriveWholeAtTheStartMiddleAndEnd) {
    GameThread game;
    ASSERT_FALSE(IsWindowUnicode(ToHwnd(game.List())));
    game.Add("\xE4rger");
    game.Add(
        "\x10J\xFCrgen\x11: Gr\xFC\xDF"
        "e, 5 \x80");
    game.Add("am Ende \xE4");
    game.Add("odd \x81\x8D\x8F\x90\x9D bytes \xFF");
    Win32WindowSystem windows;
    EXPECT_EQ(ReadListBoxItem(windows, game.List(), 0), "\xC3\xA4rger");
    EXPECT_EQ(ReadListBoxItem(windows, game.List(), 1),
              "\x10J\xC3\xBCrgen\x11: Gr\xC3\xBC\xC3\x9F"
              "e, 5 \xE2\x82\xAC");
    EXPECT_EQ(ReadListBoxItem(windows, game.List(), 2), "am Ende \xC3\xA4");
    // The undefined bytes come back as the control characters of the same number.
    EXPECT_EQ(ReadListBoxItem(windows, game.List(), 3),
              "odd \xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D bytes \xC3\xBF");
    EXPECT_EQ(ReadListBoxItem(windows, game.List(), 4), "") << "no such row";
    EXPECT_EQ(ReadListBoxItem(windows, 0, 0), "") << "handle 0";
}

TEST(GameList, TheCodecWritesTheBytesTheGameUses) {
    Win32Codec codec;
    std::string all;
    for (int b = 1; b <= 0xFF; ++b) all += static_cast<char>(b);
    EXPECT_EQ(codec.ToAnsi(codec.FromAnsi(all)), all);
    EXPECT_EQ(codec.ToAnsi("J\xC3\xBCrgen \xE2\x82\xAC \xC3\xBF"), "J\xFCrgen \x80 \xFF");
}

TEST(GameList, AHangingGameGivesNoAnswerAndIsReadAgainOnceItAnswers) {
    GameThread game;
    game.Add("first");
    game.Add("second \xE4");
    game.SetTitle("Clan \xE4");
    Win32WindowSystem windows;
    ASSERT_EQ(ReadListBoxItem(windows, game.List(), 1),
              std::optional<std::string>("second \xC3\xA4"));
    game.Hang();
    EXPECT_EQ(ReadListBoxItem(windows, game.List(), 1), std::nullopt);
    EXPECT_EQ(windows.ListGetCount(game.List()), kNoAnswer) << "no answer is not an empty list";
    EXPECT_EQ(windows.GetText(game.List()), std::nullopt) << "nor an empty text";
    EXPECT_EQ(ReadListBoxItem(windows, game.List(), 0), std::nullopt) << "still silent";
    game.Wake();
    // Each read of a thread marked silent first asks a short question; on a busy machine the
    // woken thread may miss a few of them, never a minute's worth.
    std::optional<std::string> again;
    const ULONGLONG end = GetTickCount64() + 60000;
    while (!again && GetTickCount64() < end) again = ReadListBoxItem(windows, game.List(), 1);
    EXPECT_EQ(again, std::optional<std::string>("second \xC3\xA4"));
    EXPECT_EQ(windows.ListGetCount(game.List()), 2);
    EXPECT_EQ(windows.GetText(game.List()), std::optional<std::string>("Clan \xC3\xA4"));
    EXPECT_EQ(windows.ListGetCount(0), 0) << "no window has no rows";
    EXPECT_EQ(windows.GetText(0), std::optional<std::string>(""));
}

TEST(GameList, AWindowTextIsOneTextMessageWithRoomFor32767Characters) {
    GameThread game;
    Win32WindowSystem windows;
    const std::string name = "\xE4" + std::string(40000, 'n') + "\xFC";
    game.SetTitle(name);
    const std::optional<std::string> read = windows.GetText(game.List());
    ASSERT_TRUE(read);
    EXPECT_EQ(GameThread::TextRoom(), 32767u) << "the terminator included";
    EXPECT_EQ(read->size(), 2u + 32765u) << "the a-umlaut takes two bytes";
    EXPECT_EQ(read->substr(0, 3), "\xC3\xA4n");
    EXPECT_EQ(GameThread::LengthQueries(), 0) << "no length is asked first";
}

// The sending thread's rules, with a sender that holds on to one message as a hanging game
// holds Wine's own length query: the caller is not held with it, later messages are not queued
// behind it, and its late answer reaches only its own memory.
TEST(GameMessenger, AHeldMessageHoldsNeitherTheCallerNorTheMessagesAfterIt) {
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> sent{0};
    std::atomic<bool> late_answer_written{false};
    GameMessenger messenger([&](HWND, GameMessage& message) {
        if (++sent == 1) {
            WaitForSingleObject(release, 60000);
            std::fill(message.wide.begin(), message.wide.end(), L'L');
            message.answer = 7;
            late_answer_written = true;
        } else {
            message.answer = 42;
        }
        return Delivery::kAnswered;
    });
    GameThread game;
    const HWND window = ToHwnd(game.List());
    auto ended = std::make_unique<GameThread>();
    const HWND gone = ToHwnd(ended->List());
    auto message = [](UINT msg) {
        auto m = std::make_shared<GameMessage>();
        m->msg = msg;
        m->wide.assign(16, L'\0');
        return m;
    };

    auto held = message(LB_GETTEXT);
    EXPECT_EQ(messenger.Send(window, held), Delivery::kNoAnswer);
    EXPECT_FALSE(late_answer_written) << "the caller waited for the held message";
    EXPECT_EQ(messenger.Send(window, message(LB_GETTEXT)), Delivery::kNoAnswer);
    EXPECT_EQ(messenger.Send(window, message(LB_GETCOUNT)), Delivery::kNoAnswer);
    EXPECT_EQ(sent.load(), 1) << "a message was queued behind the held one";
    ended.reset();  // its list goes with it
    EXPECT_EQ(messenger.Send(gone, message(WM_NULL)), Delivery::kNoWindow);
    EXPECT_EQ(messenger.Send(nullptr, message(WM_NULL)), Delivery::kNoWindow);

    SetEvent(release);
    auto after = message(LB_GETTEXT);
    Delivery delivery = Delivery::kNoAnswer;
    const ULONGLONG end = GetTickCount64() + 60000;
    while (delivery != Delivery::kAnswered && GetTickCount64() < end) {
        delivery = messenger.Send(window, after);
    }
    EXPECT_EQ(delivery, Delivery::kAnswered);
    EXPECT_EQ(after->answer, 42) << "the late answer was taken for a later message";
    EXPECT_EQ(after->wide, std::vector<wchar_t>(16, L'\0'));
    EXPECT_TRUE(late_answer_written);
    EXPECT_EQ(held->wide, std::vector<wchar_t>(16, L'L')) << "the late answer went elsewhere";
    CloseHandle(release);
}

// A list of the caller's own thread answers too: it is asked directly, not through the
// sending thread, which would wait for the caller.
TEST(GameMessenger, AListOfTheCallersOwnThreadIsRead) {
    HWND list = CreateWindowExA(0, "LISTBOX", "", LBS_HASSTRINGS, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("first"));
    SendMessageA(list, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>("Gr\xFC\xDF"
                                          "e"));
    Win32WindowSystem windows;
    EXPECT_EQ(windows.ListGetCount(FromHwnd(list)), 2);
    EXPECT_EQ(ReadListBoxItem(windows, FromHwnd(list), 1),
              std::optional<std::string>("Gr\xC3\xBC\xC3\x9F"
                                         "e"));
    windows.ListAddString(FromHwnd(list), "third \xE2\x82\xAC");
    EXPECT_EQ(ReadListBoxItem(windows, FromHwnd(list), 2),
              std::optional<std::string>("third \xE2\x82\xAC"));
    DestroyWindow(list);
}

}  // namespace
}  // namespace qv
