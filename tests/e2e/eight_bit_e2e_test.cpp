// Chat rows with cp1252 letters and signs, against the stand-in game as an ANSI program: the
// companion's view shows every character whole and in place, its day log keeps the game's
// bytes, and a line typed with 8-bit letters reaches the game's input box byte for byte.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/expected_text.h"
#include "e2e/game_pair.h"
#include "e2e/shown_lists.h"

namespace {

using e2e::WaitUntil;

// The game's rows, cp1252 bytes: 8-bit letters at the start, middle and end of a row, the
// bytes cp1252 leaves unmapped, and a row without colour (logged, not shown).
const std::string kBacklog[] = {
    "\x10J\xFCrgen\x11: Gr\xFC\xDF"
    "e \x80 f\xFCr das \xE4",
    "\x10\xC4rger\x10: \x81\x8D\x8F\x90\x9D mitten \x81 drin \x9D",
    "\xDC"
    "berall \xFF \x81",
    "\x12Zo\xEB\x1A: \x80\x80 caf\xE9 \xFF",
    "\x11{\\rtf1 Ren\xE9} \\par \xE4",
};
const std::string kNewRows[] = {
    "\x10\x10"
    "Bj\xF6rn\x10\x10: \xFF am Anfang, \x80 am Ende \x80",
    "\x13\xE4\x1B\xFC\x12\xF6 \x8A\x9C\xA9\xB0\xBF \x9D",
    "\xC4nne ohne Farbe \x8F\x90",
    "\x14\xDEor\x11: na\xEFve \xAB"
    "quote\xBB \x85 \x99 \xE4",
};
// Typed into the companion: the game must receive "\xE4rger \x80 f\xFCr Gr\xFC\xDF" "e \x81 \xFF".
const wchar_t kTyped[] = L"\u00e4rger \u20ac f\u00fcr Gr\u00fc\u00dfe \u0081 \u00ff";
const char kTypedBytes[] =
    "\xE4rger \x80 f\xFCr Gr\xFC\xDF"
    "e \x81 \xFF";

class EightBitText : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::vector<std::string> init = {"channel Clan \\xC4\\xD6\\xDC"};
        for (const std::string& row : kBacklog) init.push_back("chat " + e2e::ScriptEscape(row));
        pair_ = new e2e::GamePair;
        ASSERT_TRUE(pair_->Start("eight-bit", init)) << pair_->error;
        ASSERT_TRUE(pair_->WaitBound(1, 20000)) << "the companion never bound the chat screen";
        for (const std::string& row : kNewRows) pair_->Script("chat " + e2e::ScriptEscape(row));
        const std::string last = *e2e::Expect(std::end(kNewRows)[-1]).shown;
        ASSERT_TRUE(WaitUntil([&] { return pair_->View().find(last) != std::string::npos; }, 15000))
            << "the new rows never reached the view:\n"
            << pair_->View();
        // Typing: the view then holds the game's echo of the line as its last row.
        HWND text4 = pair_->Control(e2e::kControlText4);
        SendMessageW(text4, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kTyped));
        SendMessageW(text4, WM_CHAR, VK_RETURN, 0);
    }

    static void TearDownTestSuite() {
        delete pair_;
        pair_ = nullptr;
    }

    // Every row the game held or got, in order, with the echo of the typed line last.
    static std::vector<std::string> GameRows() {
        std::vector<std::string> rows(std::begin(kBacklog), std::end(kBacklog));
        rows.insert(rows.end(), std::begin(kNewRows), std::end(kNewRows));
        rows.push_back(std::string("\x10Player\x10: ") + kTypedBytes);
        return rows;
    }

    static inline e2e::GamePair* pair_ = nullptr;
};

// Hex of the bytes, for messages about text that differs.
std::string Hex(const std::string& bytes) {
    std::string out;
    char digits[4];
    for (char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", static_cast<unsigned char>(c));
        out += digits;
    }
    return out;
}

TEST_F(EightBitText, TheTypedLineReachesTheGameByteForByte) {
    ASSERT_TRUE(WaitUntil(
        [] {
            return e2e::CountPrefix(pair_->Transcript(), "key enter") +
                       e2e::CountPrefix(pair_->Transcript(), "click send") >=
                   1;
        },
        10000))
        << "the line was never sent";
    const std::string escaped = e2e::ScriptEscape(kTypedBytes);
    const auto lines = pair_->Transcript();
    EXPECT_EQ(e2e::CountPrefix(lines, "settext " + escaped), 1) << "input box got other bytes";
    EXPECT_EQ(e2e::CountPrefix(lines, "sent " + escaped), 1);
    for (const std::string& line : lines) {
        if (line.rfind("settext ", 0) == 0) std::printf("game's input box: %s\n", line.c_str());
    }
}

TEST_F(EightBitText, ViewShowsEveryCharacterWholeAndInPlace) {
    const std::vector<std::string> rows = GameRows();
    std::vector<std::string> expected;
    for (const std::string& row : rows) {
        if (auto shown = e2e::Expect(row).shown) expected.push_back(*shown);
    }
    ASSERT_EQ(expected.size(), rows.size() - 2) << "two rows hold no colour";
    // The first row as a player reads it, written out here rather than worked out.
    EXPECT_EQ(expected[0], "J\u00fcrgen: Gr\u00fc\u00dfe \u20ac f\u00fcr das \u00e4 ");

    std::vector<std::string> shown;
    ASSERT_TRUE(WaitUntil(
        [&] {
            shown.clear();
            for (const std::string& paragraph : pair_->ViewParagraphs()) {
                if (!e2e::IsWelcomeLine(paragraph)) shown.push_back(paragraph);
            }
            return shown.size() >= expected.size();
        },
        15000))
        << "the view shows " << shown.size() << " of " << expected.size() << " rows";
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(shown[i], expected[i])
            << "row " << i << "\nshown:    " << Hex(shown[i]) << "\nexpected: " << Hex(expected[i]);
    }
}

TEST_F(EightBitText, DayLogKeepsTheGamesBytes) {
    const std::vector<std::string> rows = GameRows();
    const std::string last = e2e::Expect(rows.back()).logged + "\r\n";
    ASSERT_TRUE(WaitUntil([&] { return pair_->Log().find(last) != std::string::npos; }, 15000))
        << "the log never got the last row";
    std::string logged;
    for (const std::string& line : e2e::ReadLines(pair_->log_file())) {
        if (!e2e::IsWelcomeLine(line)) logged += line + "\r\n";
    }
    std::string expected;
    for (const std::string& row : rows) expected += e2e::Expect(row).logged + "\r\n";
    EXPECT_EQ(Hex(logged), Hex(expected));
    // The bytes themselves, written out: E4 for the a umlaut, 80 for the euro sign, and the
    // unmapped bytes unchanged.
    const std::string log = pair_->Log();
    for (const char* line : {"J\xFCrgen: Gr\xFC\xDF"
                             "e \x80 f\xFCr das \xE4\r\n",
                             "\xC4rger: \x81\x8D\x8F\x90\x9D mitten \x81 drin \x9D\r\n",
                             "\xDC"
                             "berall \xFF \x81\r\n",
                             "\xC4nne ohne Farbe \x8F\x90\r\n"}) {
        EXPECT_NE(log.find(line), std::string::npos) << "missing: " << Hex(line);
    }
}

TEST_F(EightBitText, ScreenshotOfTheLettersInBothWindows) {
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"e2e-eight-bit.bmp", pair_->main()));
}

}  // namespace
