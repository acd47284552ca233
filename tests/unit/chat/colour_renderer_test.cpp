#include "chat/colour_renderer.h"

#include <gtest/gtest.h>

#include "chat/chat_scroll.h"
#include "chat/colour_tags.h"
#include "chat/line_processor.h"
#include "sim/sim_chat_view.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

constexpr ChatColour kDefault = kStagingTextColour;

ColouredText Render(const std::string& staged) {
    auto shown = ColourAndStripTags(staged);
    EXPECT_TRUE(shown.has_value()) << "nothing shown for a text with a marker";
    return shown.value_or(ColouredText{});
}

TEST(ColourRenderer, TimeInYellowAndWelcomeInRed) {
    EXPECT_EQ(Render("\x08Gel 12:00:01: \x08Red Welcome"),
              (ColouredText{{"12:00:01: ", kColourYell}, {"Welcome ", kColourRed}}));
}

TEST(ColourRenderer, NeighbouringTagsAreBothRemovedAndTheLastColours) {
    EXPECT_EQ(Render("\x08White \x08Gree abc"), (ColouredText{{"abc ", kColourGree}}));
}

TEST(ColourRenderer, TextBeforeTheFirstTagKeepsTheDefaultColour) {
    EXPECT_EQ(Render("abc \x08"
                     "Blue def"),
              (ColouredText{{"abc ", kDefault}, {"def ", kColourBlue}}));
}

TEST(ColourRenderer, EveryTagWordHasItsColour) {
    EXPECT_EQ(Render("\x08Yell a\x08White b\x08Grey c"),
              (ColouredText{{"a", kColourYell}, {"b", kColourWhite}, {"c ", kColourGrey}}));
}

TEST(ColourRenderer, UnknownWordStaysVisibleAndUncoloured) {
    EXPECT_EQ(Render("\x08Pink x"), (ColouredText{{"\x08Pink x ", kDefault}}));
    // An unknown word does not end the colour of the span before it.
    EXPECT_EQ(Render("\x08Red a\x08Pink b"),
              (ColouredText{{"a", kColourRed}, {"\x08Pink b ", kDefault}}));
}

TEST(ColourRenderer, PrefixOfAColourWordIsRemovedButNotColoured) {
    EXPECT_EQ(Render("\x08Gr x"), (ColouredText{{"x ", kDefault}}));
    EXPECT_EQ(Render("a\x08 b"), (ColouredText{{"ab ", kDefault}}));
}

TEST(ColourRenderer, TagWordRunningIntoAnotherMarkerColoursNothing) {
    // The first tag word reaches the space after "Gree", so the colouring pass skips the
    // second marker; the removal pass then keeps the first marker and removes the second tag.
    EXPECT_EQ(Render("\x08Red\x08Gree x"), (ColouredText{{"\x08Redx ", kDefault}}));
}

TEST(ColourRenderer, ChatTextShowsLiterally) {
    const std::string untrusted = "{\\rtf1 \\b x} \\par } { J\xc3\xbcrgen \xe2\x82\xac";
    EXPECT_EQ(Render("\x08Red " + untrusted), (ColouredText{{untrusted + " ", kColourRed}}));
}

TEST(ColourRenderer, TextWithoutMarkerShowsNothing) {
    EXPECT_FALSE(ColourAndStripTags("").has_value());
    EXPECT_FALSE(ColourAndStripTags("plain, offline").has_value());
}

class ChatViewTest : public ::testing::Test {
  protected:
    ChatViewTest() {
        view.OnChange([this] { scroll.ScrollChatToEnd(); });
        scroll.hide_loading_note = [this] { ++notes_hidden; };
        scroll.unload_user_popup = [this] { ++popups_unloaded; };
    }

    SimChatView view;
    ChatAutoScroll scroll{view};
    int shown = 0;
    int notes_hidden = 0;
    int popups_unloaded = 0;
    ColourRenderer renderer{view, [this] { ++shown; }};
};

using ColourRendererView = ChatViewTest;
using ChatAutoScrollTest = ChatViewTest;

TEST_F(ColourRendererView, EachTextBecomesANewParagraphInOrder) {
    renderer.RenderColourTags("\x08Red one");
    renderer.RenderColourTags("");
    renderer.RenderColourTags("untagged");
    renderer.RenderColourTags("\x08Gree two");
    EXPECT_EQ(view.Text(), "one \r\ntwo ");
    EXPECT_EQ(shown, 2);
    view.Clear();
    renderer.RenderColourTags("\x08Gel three");
    ASSERT_EQ(view.paragraphs.size(), 1u);
    EXPECT_EQ(view.paragraphs[0], (ColouredText{{"three ", kColourGel}}));
}

TEST_F(ColourRendererView, ProcessedLinesReachTheViewOnceEachInColour) {
    SimSound sound;
    SimFiles files;
    SimLocalClock clock;
    Cp1252Codec codec;
    ChatLog log(files, clock, codec);
    AlertToneImage tone;
    struct NoWords : AlertWords {
        std::string AlertWord(int) override { return ""; }
    } words;
    LineProcessor processor(
        {sound, tone, words, log},
        {[] { return false; }, [] { return std::string("57"); }, [] { return int64_t{201}; },
         [] { return false; }, [] { return false; },
         [this](const std::string& text) { renderer.RenderColourTags(text); }, [] {}});
    const std::string row =
        "\x13"
        "12:00:01: \x10"
        "Player\x10: hello";
    processor.Text11_Change(row);
    processor.Text11_Change(row);
    processor.Text11_Change("no colour");
    ASSERT_EQ(view.paragraphs.size(), 2u);
    EXPECT_EQ(view.paragraphs[1],
              (ColouredText{{"12:00:01: ", kColourGel}, {"Player: hello ", kColourWhite}}));
    EXPECT_EQ(shown, 2);
}

TEST_F(ChatAutoScrollTest, FollowsTheEndAfterEveryChange) {
    view.selection_length = 4;
    renderer.RenderColourTags("\x08Red ab");
    renderer.RenderColourTags("\x08Red \xc3\xbc");
    EXPECT_EQ(view.selection_start, 3 + 1 + 2);  // "ab ", the break, "ü "
    EXPECT_EQ(view.selection_length, 0);
    EXPECT_EQ(notes_hidden, 2);
    view.Clear();
    EXPECT_EQ(view.caret_moves, 2);  // an empty view gets no caret move
    EXPECT_EQ(notes_hidden, 3);
}

TEST_F(ChatAutoScrollTest, HeldMouseButtonStopsFollowingUntilReleased) {
    EXPECT_EQ(scroll.maustaste, "1");
    scroll.SuspendAutoScroll();
    EXPECT_EQ(scroll.maustaste, "0");
    EXPECT_EQ(popups_unloaded, 1);
    view.selection_length = 2;
    renderer.RenderColourTags("\x08Red held");
    EXPECT_EQ(view.caret_moves, 0);
    EXPECT_EQ(view.selection_length, 2);
    scroll.ResumeAutoScroll();
    EXPECT_EQ(scroll.maustaste, "1");
    renderer.RenderColourTags("\x08Red free");
    EXPECT_EQ(view.selection_start, view.TextLength());
}

}  // namespace
}  // namespace qv
