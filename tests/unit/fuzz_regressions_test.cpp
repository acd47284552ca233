// Inputs the fuzz targets of fuzz/ found faults with, kept so the faults stay fixed.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "chat/chat_log.h"
#include "chat/colour_renderer.h"
#include "chat/line_processor.h"
#include "platform/text_codec.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

class NoAlertWords : public AlertWords {
  public:
    std::string AlertWord(int) override { return ""; }
};

// One game row down the whole road with logging on: processor, log, renderer.
class RowRoad : public ::testing::Test {
  protected:
    void Process(const std::string& row) { processor.Text11_Change(row); }
    std::string LogFile() { return files.files[log.FilePath()]; }

    SimSound sound;
    SimFiles files;
    SimLocalClock clock;
    Cp1252Codec codec;
    SimChatView view;
    AlertToneImage tone;
    NoAlertWords words;
    ChatLog log{files, clock, codec};
    ColourRenderer renderer{view, nullptr};
    LineProcessor processor{
        {sound, tone, words, log},
        {[] { return false; }, [] { return std::string("57"); }, [] { return int64_t{201}; },
         [] { return false; }, [] { return true; },
         [this](const std::string& text) { renderer.RenderColourTags(text); }, [] {}}};
};

// Found by line_road: an overlong UTF-8 form of CR and LF (C0 8D C0 8A) was decoded as the
// control characters, so one row became two lines in the log.
TEST_F(RowRoad, OverlongLineBreakBytesStayInTheirLogLine) {
    Process("\x10raw \xC0\x8D\xC0\x8A bytes");
    // C0 and 8D keep their bytes; 8A has no place in the code page.
    EXPECT_EQ(LogFile(), "raw \xC0\x8D\xC0? bytes\r\n");
    ASSERT_EQ(view.paragraphs.size(), 1u);
    EXPECT_EQ(view.Text(), "raw \xC0\x8D\xC0\x8A bytes ");
}

TEST_F(RowRoad, OverlongColourCodeIsNoColourCodeInTheLog) {
    Process("\x11gg \xC0\x90wp\xE0\x80\x9B");  // overlong 0x10 and 0x1B
    EXPECT_EQ(LogFile(), "gg \xC0\x90wp\xE0??\r\n");
}

TEST(Cp1252Codec, InvalidSequencesAreBytesOfTheirOwn) {
    Cp1252Codec codec;
    // Overlong forms of CR, of a colour code and of "/" keep their bytes.
    EXPECT_EQ(codec.ToAnsi("a\xC0\x8D"), "a\xC0\x8D");
    EXPECT_EQ(codec.ToAnsi("\xC1\x90"), "\xC1\x90");
    EXPECT_EQ(codec.ToAnsi("\xE0\x80\xAF"), "\xE0?\xAF");
    EXPECT_EQ(Utf16Length("\xC0\x8D\xC0\x8A"), 4u);
    // A surrogate half and a code point past U+10FFFF are no characters either.
    EXPECT_EQ(Utf16Length("\xED\xA0\x80"), 3u);
    EXPECT_EQ(Utf16Length("\xF4\x90\x80\x80"), 4u);
    // The shortest forms still decode: ä, €, U+FFFD and an emoji of two UTF-16 units.
    EXPECT_EQ(codec.ToAnsi("\xC3\xA4\xE2\x82\xAC"), "\xE4\x80");
    EXPECT_EQ(Utf16Length("\xC2\x80\xEF\xBF\xBD\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"), 6u);
}

}  // namespace
}  // namespace qv
