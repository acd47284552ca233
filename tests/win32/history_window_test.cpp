// The message history window on a real screen under Wine: the history view shows chat text
// literally and coloured, takes any length, streams out RTF that a rich-text control reads
// back to the same text, the window's controls follow its size, and files are replaced whole.
#include "win32/history_window.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "chat/colour_renderer.h"
#include "chat/history_text.h"
#include "core/number_text.h"
#include "rtf_as_text.h"
#include "sim/reference_renderer.h"
#include "win32/win32_platform.h"
#include "win32/win32_text.h"

namespace qv {
namespace {

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::wstring TempFolder(const wchar_t* tag) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder =
        std::wstring(temp) + L"qv-history-" + tag + L"-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::string ReadAll(const std::wstring& path) {
    std::string data;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return data;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        data.append(buffer, got);
    CloseHandle(file);
    return data;
}

// Rows as the game writes them: a yellow time stamp, a white name, grey text; some with more.
std::string TypicalRow(int i) {
    std::string row =
        "\x13"
        "12:00:" +
        std::to_string(10 + i % 50) + ": \x10Player" + std::to_string(i % 97) + "\x10: \x11line " +
        std::to_string(i);
    if (i % 7 == 0) row += " \x12green {brace} back\\slash J\xc3\xbcrgen \xe2\x82\xac";
    return row;
}

// Form6 with its real window over a list box of this process that holds the game's rows.
class HistoryWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadLibraryW(L"Msftedit.dll");
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HistoryTestGame";
        RegisterClassW(&wc);
        game_ = CreateWindowExW(0, wc.lpszClassName, L"game", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300,
                                nullptr, nullptr, wc.hInstance, nullptr);
        list_ = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_HASSTRINGS, 0, 0, 200, 200,
                                game_, nullptr, wc.hInstance, nullptr);
        state_ = std::make_unique<FormState>(Form6Layout());
        window_ = std::make_unique<HistoryWindow>(*state_);
        ASSERT_TRUE(window_->Create());
        form_ = std::make_unique<Form6>(platform_.platform, boxes_, *state_, window_->View());
        form_->hWnd = window_->Handle();
        int width = 0, height = 0;
        window_->InnerSize(&width, &height);
        form_->Form_Load(width, height);
        window_->Bind(*form_);
        state_->Show();
        form_->Form_Resize(width, height);
        boxes_.list.Set(std::to_string(reinterpret_cast<intptr_t>(list_)));
    }
    void TearDown() override {
        form_.reset();
        window_.reset();
        state_.reset();
        DestroyWindow(game_);
    }

    void AddRow(const std::string& row) {
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(row).c_str()));
    }
    // Load, then the display step without waiting its 1.5 s.
    void LoadAndShow() {
        form_->Command1_Click();
        ASSERT_TRUE(form_->Timer1.Enabled());
        form_->Timer1_Timer();
    }
    HWND View() { return window_->RichView().Handle(); }
    COLORREF ColourOf(LONG from, LONG to) {
        CHARRANGE range{from, to};
        SendMessageW(View(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(View(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        EXPECT_TRUE(format.dwMask & CFM_COLOR) << "mixed colours in " << from << ".." << to;
        return format.crTextColor;
    }
    RECT ChildRect(HWND child) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window_->Window(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    Win32Platform platform_;
    HandleBoxes boxes_;
    HWND game_ = nullptr;
    HWND list_ = nullptr;
    std::unique_ptr<FormState> state_;
    std::unique_ptr<HistoryWindow> window_;
    std::unique_ptr<Form6> form_;
};

TEST_F(HistoryWindowTest, TheWindowIsBuiltFromItsTable) {
    HWND window = window_->Window();
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_EQ(Narrow(caption), "Message History");
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 608);
    EXPECT_EQ(client.bottom, 558);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME) << "sizable";
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    wchar_t text[128] = {};
    GetWindowTextW(GetDlgItem(window, kIdHistoryCommand1), text, 128);
    EXPECT_EQ(Narrow(text), "Load Message History / This loads all the messages from the game");
    GetWindowTextW(GetDlgItem(window, kIdHistoryCommand2), text, 128);
    EXPECT_EQ(Narrow(text), "Save Message History");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, kIdHistoryText1)));
    const RECT view = ChildRect(View());
    EXPECT_EQ(view.left, 8);
    EXPECT_EQ(view.top, 8);
    EXPECT_EQ(view.right - view.left, 593);
    EXPECT_EQ(view.bottom - view.top, 441);
}

// Rows of random pieces: every colour code, the marker and tag words, RTF's own characters,
// cp1252 letters, letters beyond it and a pair of UTF-16 units.
std::vector<std::string> GeneratedRows(int count) {
    // clang-format off
    static const std::vector<std::string> kPieces = {
        "\x10", "\x11", "\x12", "\x13", "\x14", "\x15", "\x17", "\x1a", "\x1b", "\x10\x10",
        "\x08", "\x08Pink ", "\x08Gr ", "White", " ", "Player", ": ", "{", "}", "\\", "{\\rtf1 ",
        "\\par", "\t", "J\xc3\xbcrgen", "\xe2\x82\xac", "\xc3\x9f", "\xce\xa9", "\xe6\xbc\xa2",
        "\xf0\x9f\x98\x80", "\xc2\x85", "\x7f"};
    // clang-format on
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<size_t> piece(0, kPieces.size() - 1);
    std::vector<std::string> rows(static_cast<size_t>(count));
    for (std::string& row : rows) {
        for (int n = length(random); n > 0; --n) row += kPieces[piece(random)];
    }
    return rows;
}

// A colour of the renderer as the screen shows it: system colours are the system's.
COLORREF OnScreen(ChatColour colour) {
    return colour & 0x80000000u ? GetSysColor(static_cast<int>(colour & 0xFF)) : colour;
}

// The length of a text in the control's positions: UTF-16 units, a paragraph break one.
LONG Positions(const std::string& text) {
    const std::wstring wide = Widen(text);
    LONG length = 0;
    for (size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n') continue;
        ++length;
    }
    return length;
}

TEST_F(HistoryWindowTest, ChatTextShowsLiterallyInTheRenderersColoursAndTheViewsFont) {
    // clang-format off
    std::vector<std::string> rows = {
        "{\\rtf1\\ansi \\b bold?}", "\x13" "12:00:01: \x1b" "back\\slash {x} J\xc3\xbcrgen",
        "keep \x17 this"};
    // clang-format on
    for (std::string& row : GeneratedRows(300)) rows.push_back(std::move(row));
    for (const std::string& row : rows) AddRow(row);
    LoadAndShow();
    const std::optional<ColouredText> expected =
        ReferenceColourAndStripTags(HistoryText(rows), kHistoryTextColour);
    ASSERT_TRUE(expected);
    std::string text;
    for (const ColouredRun& run : *expected) text += run.text;
    EXPECT_EQ(window_->View().Text(), text);
    LONG at = 0;
    for (size_t i = 0; i < expected->size(); ++i) {
        const ColouredRun& run = (*expected)[i];
        const LONG length = Positions(run.text);
        ASSERT_EQ(ColourOf(at, at + length), OnScreen(run.colour))
            << "run " << i << ": " << run.text;
        at += length;
    }
    // The whole text in the view's font: Verdana 9.75 pt, regular.
    CHARRANGE all{0, -1};
    SendMessageW(View(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(View(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    ASSERT_EQ(format.dwMask & (CFM_FACE | CFM_SIZE | CFM_BOLD), CFM_FACE | CFM_SIZE | CFM_BOLD);
    EXPECT_EQ(Narrow(format.szFaceName), "Verdana");
    EXPECT_EQ(format.yHeight, 195);
    EXPECT_FALSE(format.dwEffects & CFE_BOLD);
}

TEST_F(HistoryWindowTest, TextWithoutColourCodesShowsAsItIs) {
    AddRow("plain {\\rtf1 x} J\xc3\xbcrgen");
    AddRow("a\rb");  // the control keeps a lone CR as a paragraph break
    LoadAndShow();
    const std::string expected = "plain {\\rtf1 x} J\xc3\xbcrgen\r\na\r\nb\r\n";
    EXPECT_EQ(window_->View().Text(), expected);
    wchar_t shown[64] = {};
    SendMessageW(View(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(Narrow(shown), expected) << "on screen, not only told";
}

TEST_F(HistoryWindowTest, RtfRoundTripGivesTheSameText) {
    AddRow(
        "{\\rtf1 \\par} back\\slash {brace} J\xc3\xbcrgen \xc3\xa4\xc3\xbc\xc3\x9f \xe2\x82\xac");
    AddRow(
        "\x10Name\x11: \x12green \x1ayellow \x14"
        "cyan \x1bred \x13gel");
    AddRow("\x08Pink stays, \x17 stays too");
    AddRow("");
    LoadAndShow();
    const std::string rtf = window_->View().RtfDocument();
    ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u) << rtf.substr(0, 40);
    EXPECT_EQ(rtf.back(), '}') << "the document ends with its closing brace, nothing after it";
    EXPECT_EQ(RtfAsText(rtf + "\r\n"), window_->View().Text());
}

TEST_F(HistoryWindowTest, SaveWritesTheRtfDocumentAndCrLfOverTheOldFile) {
    const std::wstring folder = TempFolder(L"save");
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    SetCurrentDirectoryW(folder.c_str());
    const std::wstring file = folder + L"\\StarcraftLOG.rtf";
    AddRow(
        "\x13"
        "12:00:01: \x1b"
        "first");
    LoadAndShow();
    form_->Command2_Click();
    const std::string first = ReadAll(file);
    EXPECT_EQ(first, window_->View().RtfDocument() + "\r\n");

    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    AddRow("\x10second {\\rtf1}");
    LoadAndShow();
    form_->Command2_Click();
    const std::string second = ReadAll(file);
    EXPECT_EQ(second, window_->View().RtfDocument() + "\r\n");
    EXPECT_EQ(second.find("first"), std::string::npos);
    EXPECT_EQ(RtfAsText(second), "second {\\rtf1}\r\n ");
    SetCurrentDirectoryW(before);
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(HistoryWindowTest, ReplacingAFileThatCannotBeWrittenLeavesItAsItWas) {
    const std::wstring folder = TempFolder(L"refuse");
    Win32Files files;
    const std::string base = Narrow(folder);
    std::string reason;
    // A folder in the file's place.
    const std::wstring as_folder = folder + L"\\StarcraftLOG.rtf";
    CreateDirectoryW(as_folder.c_str(), nullptr);
    EXPECT_FALSE(files.ReplaceFile(base + "/StarcraftLOG.rtf", "x", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(GetFileAttributesW(as_folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryW(as_folder.c_str());
    // A read-only file.
    const std::wstring locked = folder + L"\\locked.rtf";
    ASSERT_TRUE(files.WriteFile(base + "/locked.rtf", "old"));
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    reason.clear();
    EXPECT_FALSE(files.ReplaceFile(base + "/locked.rtf", "new", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadAll(locked), "old");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    // A file another program holds open without sharing.
    HANDLE held = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    reason.clear();
    EXPECT_FALSE(files.ReplaceFile(base + "/locked.rtf", "new", &reason));
    EXPECT_FALSE(reason.empty());
    CloseHandle(held);
    EXPECT_EQ(ReadAll(locked), "old");
    // A folder that does not exist.
    reason.clear();
    EXPECT_FALSE(files.ReplaceFile(base + "/missing/StarcraftLOG.rtf", "x", &reason));
    EXPECT_FALSE(reason.empty());
    // And a replacement that works leaves no file of its own behind.
    EXPECT_TRUE(files.ReplaceFile(base + "/locked.rtf", "new", &reason));
    EXPECT_EQ(ReadAll(locked), "new");
    WIN32_FIND_DATAW found{};
    int count = 0;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.cFileName[0] != L'.') ++count;
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(count, 1);
    EXPECT_EQ(files.DisplayPath("C:/a/b.rtf"), "C:\\a\\b.rtf");
    DeleteFileW(locked.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(HistoryWindowTest, ControlsFollowTheWindowsSizeWithoutDrift) {
    HWND window = window_->Window();
    HWND load = GetDlgItem(window, kIdHistoryCommand1);
    auto resize_client = [&](int width, int height) {
        RECT outer{0, 0, width, height};
        AdjustWindowRectEx(&outer, GetWindowLongW(window, GWL_STYLE), FALSE,
                           GetWindowLongW(window, GWL_EXSTYLE));
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
    };
    resize_client(304, 558);  // half the width
    RECT r = ChildRect(load);
    EXPECT_EQ(r.left, 4);
    EXPECT_EQ(r.top, 456);
    EXPECT_EQ(r.right - r.left, 296) << "593 / 2 = 296.5, halves to even";
    EXPECT_EQ(r.bottom - r.top, 25);
    RECT view = ChildRect(View());
    EXPECT_EQ(view.left, 4);
    EXPECT_EQ(view.right - view.left, 296);
    EXPECT_EQ(view.bottom - view.top, 441);

    for (int i = 0; i < 20; ++i) resize_client(300 + 37 * i, 200 + 23 * i);
    ShowWindow(window, SW_MINIMIZE);
    Pump();
    ShowWindow(window, SW_RESTORE);
    Pump();
    resize_client(608, 558);
    r = ChildRect(load);
    EXPECT_EQ(r.left, 8);
    EXPECT_EQ(r.top, 456);
    EXPECT_EQ(r.right - r.left, 593);
    EXPECT_EQ(r.bottom - r.top, 25);
    view = ChildRect(View());
    EXPECT_EQ(view.right - view.left, 593);
    EXPECT_EQ(view.bottom - view.top, 441);
}

// A long history shows whole: every row its own paragraph, no tag left.
TEST_F(HistoryWindowTest, LongHistoriesLoadAndShowWhole) {
    constexpr int kRows = 5000;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kRows; ++i) AddRow(TypicalRow(i));
    LoadAndShow();
    const std::string text = window_->View().Text();
    size_t paragraphs = 1;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++paragraphs;
    }
    EXPECT_EQ(paragraphs, static_cast<size_t>(kRows) + 1)
        << "Wine's plain-text reader must not split a CR LF between two pieces";
    EXPECT_GT(text.size(), 32767u);
    EXPECT_EQ(text.find('\x08'), std::string::npos);
}

// Rows of the game's usual shape: a coloured name, the text and a grey part with braces and
// an accented letter; every other row starts with a yellow time stamp (three or four runs).
std::string UsualRow(int i) {
    std::string row = "\x12Player" + std::to_string(i % 97) + "\x10: anyone up for a 2v2 on " +
                      "Lost Temple? " + std::to_string(i) + " \x11{whisper from J\xc3\xbcrgen}";
    if (i % 2 == 0) row = "\x1a[12:" + std::to_string(10 + i % 50) + ":07] " + row;
    return row;
}

// Not a test: the driver of tools/measure_history.sh. For each row count in QV_HISTORY_ROWS
// (default "5000 20000") it loads a chat list of rows of the usual shape and prints how long
// the Load and the display step (plain text, then the colours) took.
TEST_F(HistoryWindowTest, DISABLED_MeasureLoadAndShow) {
    const char* counts = std::getenv("QV_HISTORY_ROWS");
    std::istringstream wanted(counts && *counts ? counts : "5000 20000");
    for (int rows = 0; wanted >> rows;) {
        SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < rows; ++i) AddRow(UsualRow(i));
        const auto start = std::chrono::steady_clock::now();
        form_->Command1_Click();
        const auto loaded = std::chrono::steady_clock::now();
        form_->Timer1_Timer();
        const auto shown = std::chrono::steady_clock::now();
        EXPECT_EQ(window_->View().Text().find('\x08'), std::string::npos);
        std::printf("HISTORY-SHOW rows %d: load %.3f s, show and colour %.3f s\n", rows,
                    std::chrono::duration<double>(loaded - start).count(),
                    std::chrono::duration<double>(shown - loaded).count());
        std::fflush(stdout);
    }
}

}  // namespace
}  // namespace qv
