#include "win32/rich_chat_view.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "chat/chat_scroll.h"
#include "chat/colour_renderer.h"
#include "win32/screen_colour.h"
#include "win32/win32_text.h"

namespace qv {
namespace {

// The paragraphs of the view's text: CR LF between two.
int ParagraphsOf(const std::string& text) {
    if (text.empty()) return 0;
    int paragraphs = 1;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++paragraphs;
    }
    return paragraphs;
}

class RichChatViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"RichChatViewTestHost";
        RegisterClassW(&wc);
        host_ = CreateWindowExW(0, wc.lpszClassName, L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                0, 640, 540, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(host_, nullptr);
        view_ = std::make_unique<RichChatView>(host_, 1102, 136, 16, 433, 468);
        ASSERT_NE(view_->Handle(), nullptr);
        scroll_ = std::make_unique<ChatAutoScroll>(*view_);
        view_->OnChange([this] { scroll_->ScrollChatToEnd(); });
        renderer_ = std::make_unique<ColourRenderer>(*view_, [this] { ++shown_; });
    }
    void TearDown() override {
        renderer_.reset();
        scroll_.reset();
        view_.reset();
        DestroyWindow(host_);
    }

    // The colour of the characters [from, to) as the control reports it.
    COLORREF ColourOf(LONG from, LONG to) {
        CHARRANGE range{from, to};
        SendMessageW(view_->Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(view_->Handle(), EM_GETCHARFORMAT, SCF_SELECTION,
                     reinterpret_cast<LPARAM>(&format));
        EXPECT_TRUE(format.dwMask & CFM_COLOR) << "mixed colours in " << from << ".." << to;
        return format.crTextColor;
    }

    HWND host_ = nullptr;
    std::unique_ptr<RichChatView> view_;
    std::unique_ptr<ChatAutoScroll> scroll_;
    std::unique_ptr<ColourRenderer> renderer_;
    int shown_ = 0;
};

TEST_F(RichChatViewTest, TenThousandLinesAreAllKeptInOrder) {
    constexpr int kLines = 10000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLines; ++i) {
        renderer_->RenderColourTags("\x08Gel 12:00:01: \x08White Player: line " +
                                    std::to_string(i));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("[   INFO   ] %d lines rendered in %.2f s\n", kLines, seconds);

    const std::string text = view_->Text();
    EXPECT_GT(text.size(), 32767u * 4);
    EXPECT_EQ(ParagraphsOf(text), kLines);
    EXPECT_EQ(text.substr(0, 27), "12:00:01: Player: line 0 \r\n");
    EXPECT_EQ(text.substr(text.size() - 28), "12:00:01: Player: line 9999 ");
    EXPECT_EQ(shown_, kLines);

    // The caret follows the end.
    CHARRANGE caret{};
    SendMessageW(view_->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_EQ(caret.cpMin, view_->TextLength());
    EXPECT_EQ(caret.cpMax, caret.cpMin);
}

TEST_F(RichChatViewTest, RtfAndEightBitCharactersShowLiterally) {
    const std::string first = "{\\rtf1 \\b x}";
    const std::string second =
        "back\\slash {\\rtf1\\ansi {\\colortbl;} J\xc3\xbcrgen \xe2\x82\xac }";
    renderer_->RenderColourTags("\x08Red " + first);
    renderer_->RenderColourTags("\x08Gree " + second);
    EXPECT_EQ(view_->Text(), first + " \r\n" + second + " ");
    EXPECT_EQ(ColourOf(0, 12), RGB(255, 0, 0));
}

TEST_F(RichChatViewTest, SpansHaveTheirTagColours) {
    renderer_->RenderColourTags("pre \x08Gel 12:00:01: \x08White Player\x08Grey  quiet");
    ASSERT_EQ(view_->Text(), "pre 12:00:01: Player quiet ");
    EXPECT_EQ(ColourOf(0, 4), ScreenColour(kStagingTextColour));
    EXPECT_EQ(ColourOf(4, 14), RGB(255, 255, 0));
    EXPECT_EQ(ColourOf(14, 20), RGB(255, 255, 255));
    EXPECT_EQ(ColourOf(20, 27), GetSysColor(COLOR_GRAYTEXT));
}

TEST_F(RichChatViewTest, ClearEmptiesAndNextTextIsTheWholeContent) {
    renderer_->RenderColourTags(
        "\x08"
        "Blue old");
    view_->Clear();
    EXPECT_EQ(view_->Text(), "");
    renderer_->RenderColourTags(
        "\x08"
        "Blue new");
    EXPECT_EQ(view_->Text(), "new ");
    EXPECT_EQ(ColourOf(0, 3), RGB(0, 255, 255));
}

TEST_F(RichChatViewTest, MouseButtonsOverTheViewSuspendAndResumeAutoScroll) {
    view_->SetMouseHandlers([this] { scroll_->SuspendAutoScroll(); },
                            [this] { scroll_->ResumeAutoScroll(); });
    SendMessageW(view_->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(scroll_->maustaste, "0");
    renderer_->RenderColourTags("\x08Red held");
    CHARRANGE caret{};
    SendMessageW(view_->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_EQ(caret.cpMin, 0);  // not moved to the end while the button is held
    SendMessageW(view_->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(scroll_->maustaste, "1");
}

// A double click's second press arrives as a DBLCLK message; holding it (to drag a word
// selection) must pause the following of the end just as a first press does.
TEST_F(RichChatViewTest, DoubleClickHeldKeepsTheSelectionUntilTheRelease) {
    view_->SetMouseHandlers([this] { scroll_->SuspendAutoScroll(); },
                            [this] { scroll_->ResumeAutoScroll(); });
    renderer_->RenderColourTags("\x08White J\xc3\xbcrgen says hello");
    renderer_->RenderColourTags("\x08White second line");
    POINTL word{};
    SendMessageW(view_->Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&word), 2);
    const LPARAM at = MAKELPARAM(word.x + 1, word.y + 3);
    SendMessageW(view_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(view_->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(scroll_->maustaste, "1");
    SendMessageW(view_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    EXPECT_EQ(scroll_->maustaste, "0");
    CHARRANGE held{};
    SendMessageW(view_->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&held));
    EXPECT_EQ(held.cpMin, 0);
    EXPECT_EQ(held.cpMax, 7) << "the double click selects the word J\u00fcrgen and its blank";

    renderer_->RenderColourTags("\x08Red arrives while held");
    CHARRANGE after{};
    SendMessageW(view_->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(after.cpMin, held.cpMin);
    EXPECT_EQ(after.cpMax, held.cpMax);
    EXPECT_EQ(scroll_->maustaste, "0");

    SendMessageW(view_->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(scroll_->maustaste, "1");
    renderer_->RenderColourTags("\x08Red released");
    SendMessageW(view_->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(after.cpMin, view_->TextLength());
    EXPECT_EQ(after.cpMax, after.cpMin);
}

// A view that keeps its newest rows lets the oldest go whole, in their colours, and not
// while the player holds a button in it: their selection stays on the word they chose.
TEST_F(RichChatViewTest, OldestRowsLeaveWholeButNotWhileAButtonIsHeld) {
    view_->SetMouseHandlers([this] { scroll_->SuspendAutoScroll(); },
                            [this] { scroll_->ResumeAutoScroll(); });
    view_->KeepNewest(3, 2, [this] { return scroll_->maustaste == "1"; });
    const char* const words[] = {"alpha", "bravo", "charlie", "delta", "echo",
                                 "fox",   "golf",  "hotel",   "india"};
    auto render = [&](int i) {
        renderer_->RenderColourTags("\x08Gel " + std::to_string(i) + ": \x08Red " + words[i]);
    };
    // Four rows, one short of the three kept and two spare, stay; the fifth takes the view
    // back to the newest three.
    for (int i = 0; i < 4; ++i) render(i);
    ASSERT_EQ(ParagraphsOf(view_->Text()), 4);
    ASSERT_EQ(view_->Text().substr(0, 20), "0: alpha \r\n1: bravo ");
    render(4);
    ASSERT_EQ(view_->Text(), "2: charlie \r\n3: delta \r\n4: echo ");

    // The player drags over "delta " and holds the button while more rows arrive.
    auto point = [&](int position) {
        POINTL at{};
        SendMessageW(view_->Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), position);
        return MAKELPARAM(at.x, at.y + 3);
    };
    SendMessageW(view_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point(15));
    SendMessageW(view_->Handle(), WM_MOUSEMOVE, MK_LBUTTON, point(21));
    auto selected = [&] {
        wchar_t text[64] = {};
        SendMessageW(view_->Handle(), EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text));
        CHARRANGE range{};
        SendMessageW(view_->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return Narrow(text) + " at " + std::to_string(range.cpMin);
    };
    ASSERT_EQ(selected(), "delta  at 15");
    for (int i = 5; i < 8; ++i) render(i);
    EXPECT_EQ(selected(), "delta  at 15") << "rows left the top under the held selection";
    EXPECT_EQ(ParagraphsOf(view_->Text()), 6);

    SendMessageW(view_->Handle(), WM_LBUTTONUP, 0, point(21));
    render(8);
    EXPECT_EQ(ParagraphsOf(view_->Text()), 3);
    ASSERT_EQ(view_->Text(), "6: golf \r\n7: hotel \r\n8: india ");
    CHARRANGE caret{};
    SendMessageW(view_->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    EXPECT_EQ(caret.cpMin, view_->TextLength()) << "the view follows its end again";
    EXPECT_EQ(ColourOf(0, 3), RGB(255, 255, 0));
    EXPECT_EQ(ColourOf(3, 8), RGB(255, 0, 0));
    EXPECT_EQ(ColourOf(19, 22), RGB(255, 255, 0));
    EXPECT_EQ(ColourOf(22, 28), RGB(255, 0, 0));
}

TEST_F(RichChatViewTest, EveryButtonsDoubleClickHoldsTheView) {
    view_->SetMouseHandlers([this] { scroll_->SuspendAutoScroll(); },
                            [this] { scroll_->ResumeAutoScroll(); });
    struct Button {
        UINT down, up, dblclk;
        WPARAM held;
    };
    const Button buttons[] = {
        {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON},
        {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON},
        {WM_XBUTTONDOWN, WM_XBUTTONUP, WM_XBUTTONDBLCLK, MAKEWPARAM(MK_XBUTTON1, XBUTTON1)},
    };
    for (const Button& b : buttons) {
        SendMessageW(view_->Handle(), b.down, b.held, MAKELPARAM(5, 5));
        SendMessageW(view_->Handle(), b.up, 0, MAKELPARAM(5, 5));
        SendMessageW(view_->Handle(), b.dblclk, b.held, MAKELPARAM(5, 5));
        EXPECT_EQ(scroll_->maustaste, "0") << "double click message " << b.dblclk;
        SendMessageW(view_->Handle(), b.up, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(scroll_->maustaste, "1");
    }
}

}  // namespace
}  // namespace qv
