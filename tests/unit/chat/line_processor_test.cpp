#include "chat/line_processor.h"

#include <gtest/gtest.h>

#include <array>

#include "chat/chat_log_switch.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

class FakeAlertWords : public AlertWords {
  public:
    std::string AlertWord(int index) override { return words.at(static_cast<size_t>(index)); }
    std::array<std::string, kAlertWordCount> words;
};

class LineProcessorTest : public ::testing::Test {
  protected:
    LineProcessorTest() { tone.Assign({'R', 'I', 'F', 'F'}); }

    // Processes the game's row `row` of a binding that counted `count_at_binding` rows, with
    // the mirror count the pump has reached at that row.
    void ProcessRow(int count_at_binding, int row, const std::string& line) {
        text12 = std::to_string(count_at_binding);
        mirror = row - (count_at_binding - 200) + 1;
        processor.Text11_Change(line);
    }

    SimSound sound;
    SimFiles files;
    SimLocalClock clock;
    Cp1252Codec codec;
    AlertToneImage tone;
    FakeAlertWords words;
    ChatLog log{files, clock, codec};

    bool alert_enabled = true;
    std::string text12 = "57";
    int64_t mirror = 201;
    bool hide_offline = false;
    bool logging = false;
    std::vector<std::string> events;

    LineProcessor processor{
        {sound, tone, words, log},
        {[this] { return alert_enabled; }, [this] { return text12; }, [this] { return mirror; },
         [this] { return hide_offline; }, [this] { return logging; },
         [this](const std::string& text) { events.push_back("stage:" + text); },
         [this] { events.push_back("clear"); }}};
};

using LineProcessorAlert = LineProcessorTest;
using LineProcessorFlow = LineProcessorTest;

TEST_F(LineProcessorAlert, GateAt57TestsOnlyRowsAfterTheBinding) {
    words.words[0] = "zelk";
    for (int row = 0; row < 60; ++row)
        ProcessRow(57, row,
                   "\x10"
                   "Zelk");
    // Each tested row plays once, after the white step.
    EXPECT_EQ(sound.plays.size(), 3u);  // rows 57, 58, 59
}

TEST_F(LineProcessorAlert, GateAt150TestsBacklogRow99AndNewRows) {
    words.words[0] = "zelk";
    std::vector<int> played;
    for (int row = 0; row < 153; ++row) {
        const size_t before = sound.plays.size();
        ProcessRow(150, row,
                   "\x10"
                   "Zelk");
        if (sound.plays.size() > before) played.push_back(row);
    }
    EXPECT_EQ(played, (std::vector<int>{99, 150, 151, 152}));
}

TEST_F(LineProcessorAlert, GateAt250TestsOnlyNewRows) {
    words.words[0] = "zelk";
    std::vector<int> played;
    for (int row = 0; row < 252; ++row) {
        const size_t before = sound.plays.size();
        ProcessRow(250, row,
                   "\x10"
                   "Zelk");
        if (sound.plays.size() > before) played.push_back(row);
    }
    EXPECT_EQ(played, (std::vector<int>{250, 251}));
}

TEST_F(LineProcessorAlert, GateClosedWhileDisabledOrWithoutACount) {
    words.words[0] = "zelk";
    alert_enabled = false;
    processor.Text11_Change(
        "\x10"
        "Zelk");
    alert_enabled = true;
    text12 = "";
    processor.Text11_Change(
        "\x10"
        "Zelk");
    EXPECT_TRUE(sound.plays.empty());
}

TEST_F(LineProcessorAlert, BobIsHeardAfterTheWhiteAndTheGreyStep) {
    words.words[3] = "bOb";
    processor.Text11_Change(
        "\x10"
        "Bob\x11: hi");
    ASSERT_EQ(sound.plays.size(), 2u);
    EXPECT_EQ(sound.plays[0].image, tone.data());
    EXPECT_EQ(sound.plays[0].flags, kSoundAsync | kSoundMemory);
}

TEST_F(LineProcessorAlert, GreyTagInTheWhitePartMatchesTheWordGrey) {
    words.words[0] = "grey";
    processor.Text11_Change(
        "\x10"
        "a\x11"
        "b");
    EXPECT_EQ(sound.plays.size(), 1u);
}

TEST_F(LineProcessorAlert, WhitePartEndsAtTheSecondWhiteTag) {
    words.words[0] = "later";
    processor.Text11_Change(
        "\x10"
        "first\x10 later");
    EXPECT_TRUE(sound.plays.empty());
    EXPECT_EQ(AlertPart("x\x08White a\x08White b", "\x08White"), " A");
    EXPECT_EQ(AlertPart("no tag", "\x08White"), "");
    EXPECT_EQ(AlertUpperCase("j\xc3\xbcrgen \xc3\xb7"), "J\xc3\x9cRGEN \xc3\xb7");
}

TEST(AlertUpperCase, EverySmallLetterOfTheCodePageMeetsItsCapital) {
    // Small and capital letters of code page 1252 in UTF-8, pair by pair.
    EXPECT_EQ(AlertUpperCase("\xc3\xa0\xc3\xa9\xc3\xbe\xc3\xbf"),
              "\xc3\x80\xc3\x89\xc3\x9e\xc5\xb8");
    EXPECT_EQ(AlertUpperCase("\xc5\x93\xc5\xa1\xc5\xbe"), "\xc5\x92\xc5\xa0\xc5\xbd");
    // ß has no one-letter capital; the euro sign, ª and µ are no small letters here.
    EXPECT_EQ(AlertUpperCase("\xc3\x9f\xe2\x82\xac\xc2\xaa\xc2\xb5"),
              "\xc3\x9f\xe2\x82\xac\xc2\xaa\xc2\xb5");
    // Capitals and cut sequences stay as they are.
    EXPECT_EQ(AlertUpperCase("\xc3\x84\xc5\xb8\xc3"), "\xc3\x84\xc5\xb8\xc3");
}

TEST_F(LineProcessorAlert, EightWordsInBothPartsPlaySixteenTimesAndEmptyWordsNone) {
    processor.Text11_Change("\x08White x\x08Grey x");
    EXPECT_TRUE(sound.plays.empty());
    words.words.fill("X");
    processor.Text11_Change("\x08White x\x08Grey x");
    EXPECT_EQ(sound.plays.size(), 16u);
}

TEST_F(LineProcessorAlert, UnallocatedToneIsSkipped) {
    tone.Assign({});
    words.words[0] = "zelk";
    processor.Text11_Change(
        "\x10"
        "Zelk");
    EXPECT_TRUE(sound.plays.empty());
    EXPECT_EQ(events.back(), "stage:");  // the line went on as usual
}

TEST_F(LineProcessorFlow, TaggedLineIsStagedThenTheBoxesAreEmptied) {
    processor.Text11_Change(
        "\x13"
        "12:00\x1b Hi");
    EXPECT_EQ(events,
              (std::vector<std::string>{"stage:\x08Gel 12:00\x08Red  Hi", "clear", "stage:"}));
}

TEST_F(LineProcessorFlow, UntaggedLineIsStagedWithoutTheExtraEmptyingAndEmptyLineIgnored) {
    processor.Text11_Change("");
    EXPECT_TRUE(events.empty());
    processor.Text11_Change("plain");
    EXPECT_EQ(events, (std::vector<std::string>{"stage:plain", "clear"}));
}

TEST_F(LineProcessorFlow, OfflineLineIsDroppedOnlyWhileHidingAndOnlyInExactCase) {
    logging = true;
    hide_offline = true;
    processor.Text11_Change(
        "\x12"
        "Bob, offline");
    EXPECT_EQ(events, (std::vector<std::string>{"stage:\x12"
                                                "Bob, offline",
                                                "clear"}));
    EXPECT_TRUE(files.files.empty());

    events.clear();
    processor.Text11_Change(
        "\x12"
        "Bob, Offline");
    EXPECT_EQ(events.front(), "stage:\x08Gree Bob, Offline");

    events.clear();
    hide_offline = false;
    processor.Text11_Change(
        "\x12"
        "Bob, offline");
    EXPECT_EQ(events.front(), "stage:\x08Gree Bob, offline");
    EXPECT_EQ(files.files.begin()->second, "Bob, Offline\r\nBob, offline\r\n");
}

TEST_F(LineProcessorFlow, AlertStillTestsAnOfflineLineBeforeDroppingIt) {
    hide_offline = true;
    words.words[0] = "bob";
    processor.Text11_Change("\x08White Bob, offline");
    EXPECT_EQ(sound.plays.size(), 1u);
}

TEST_F(LineProcessorFlow, LogGetsOneLinePerLineWithoutTagsInTheAnsiCodePage) {
    logging = true;
    processor.Text11_Change(
        "\x13"
        "12:00:01: \x10"
        "J\xc3\xbcrgen\x10: \xe2\x82\xac 5");
    processor.Text11_Change("no codes");
    logging = false;
    processor.Text11_Change("not logged");
    const std::string path = "C:/Games/Quorvane/Log/12-06-2026-LogFile.txt";
    ASSERT_EQ(files.files.count(path), 1u);
    EXPECT_EQ(files.files[path], "12:00:01: J\xfcrgen: \x80 5\r\nno codes\r\n");
}

TEST_F(LineProcessorFlow, LogIsWrittenUnderTheProgramFolderWhateverTheCurrentFolder) {
    logging = true;
    files.current_folder = "C:/Users/player";
    files.folders.push_back("C:/Users/player");
    processor.Text11_Change(
        "\x10"
        "hello");
    EXPECT_TRUE(files.FolderExists("C:/Games/Quorvane/Log"));
    EXPECT_FALSE(files.FolderExists("C:/Users/player/Log"));
    EXPECT_EQ(files.files["C:/Games/Quorvane/Log/12-06-2026-LogFile.txt"], "hello\r\n");
}

TEST_F(LineProcessorFlow, UnwritableLogLosesTheLineButShowsIt) {
    logging = true;
    files.program_folder = "E:/Gone";
    processor.Text11_Change(
        "\x10"
        "lost");
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(events.front(), "stage:\x08White lost");
    files.folders.push_back("E:/Gone");
    processor.Text11_Change(
        "\x10"
        "kept");
    EXPECT_EQ(files.files["E:/Gone/Log/12-06-2026-LogFile.txt"], "kept\r\n");
}

TEST(ChatLog, FileNameIsMonthDayYear) {
    EXPECT_EQ(ChatLogFileName({2026, 12, 6, 23, 59, 59}), "12-06-2026-LogFile.txt");
    EXPECT_EQ(ChatLogFileName({2027, 1, 31, 0, 0, 0}), "01-31-2027-LogFile.txt");
}

TEST(ChatLog, NewDayStartsANewFile) {
    SimFiles files;
    SimLocalClock clock;
    Cp1252Codec codec;
    ChatLog log(files, clock, codec);
    EXPECT_TRUE(log.Append("before midnight"));
    clock.now = {2026, 12, 7, 0, 0, 1};
    EXPECT_TRUE(log.Append("after midnight"));
    EXPECT_EQ(files.files["C:/Games/Quorvane/Log/12-06-2026-LogFile.txt"], "before midnight\r\n");
    EXPECT_EQ(files.files["C:/Games/Quorvane/Log/12-07-2026-LogFile.txt"], "after midnight\r\n");
}

TEST(ChatLogSwitch, ClicksStoreTheSwitchAndFlipTheChecks) {
    SimSettings settings;
    ChatLogSwitch log_switch(settings);
    EXPECT_FALSE(log_switch.EnabChecked());
    EXPECT_TRUE(log_switch.DisabChecked());
    log_switch.enab_Click();
    EXPECT_EQ(settings.Read("Logfile\\Log"), "1");
    EXPECT_TRUE(log_switch.EnabChecked());
    EXPECT_FALSE(log_switch.DisabChecked());
    log_switch.disab_Click();
    EXPECT_EQ(settings.Read("Logfile\\Log"), "0");
    EXPECT_FALSE(log_switch.EnabChecked());
    EXPECT_TRUE(log_switch.DisabChecked());
}

TEST(ChatLogSwitch, FailedWriteStillFlipsTheChecks) {
    SimSettings settings;
    settings.values["Logfile\\Log"] = "0";
    settings.writable = false;
    ChatLogSwitch log_switch(settings);
    log_switch.enab_Click();
    EXPECT_TRUE(log_switch.EnabChecked());
    EXPECT_EQ(settings.Read("Logfile\\Log"), "0");
}

}  // namespace
}  // namespace qv
