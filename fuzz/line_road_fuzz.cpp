// Fuzzes the road of one game chat row: the line processor (alert check, offline filter,
// colour steps), the chat log in code page 1252 on the sim files, and the staging box whose
// renderer colours and removes the tags into the sim chat view, wired as the main window
// wires them.
//
// Input: one switch byte, then the alert words separated by '\n' up to the first 0xFF byte,
// then the row. 0xFF never occurs in UTF-8, so a seed reads "<switches>zelk\nmarine\xFF<row>";
// without a 0xFF everything after the switch byte is the row and no word is set.
// Switch bits: 0 alert enabled, 1 hide offline friends, 2 logging on, 3-4 the game's row
// count at binding, 5-6 the mirror count.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chat/alert_tone.h"
#include "chat/chat_log.h"
#include "chat/colour_renderer.h"
#include "chat/colour_tags.h"
#include "chat/line_processor.h"
#include "chat/name_alert.h"
#include "chat/staging_box.h"
#include "fuzz_check.h"
#include "platform/text_codec.h"
#include "sim/sim_chat_view.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

constexpr char kMarker = '\x08';

class WordBoxes : public AlertWords {
  public:
    std::string AlertWord(int index) override { return words[static_cast<size_t>(index)]; }
    std::array<std::string, kAlertWordCount> words;
};

// The colour a game code gives the text after it, as the chat view shows it.
std::optional<ChatColour> CodeColour(unsigned char b) {
    switch (b) {
        case 0x10:
        case 0x17:
            return kColourWhite;
        case 0x11:
            return kColourGrey;
        case 0x12:
            return kColourGree;
        case 0x13:
            return kColourGel;
        case 0x14:
            return kColourBlue;
        case 0x1A:
            return kColourYell;
        case 0x1B:
            return kColourRed;
        default:
            return std::nullopt;
    }
}

bool IsCode(char c) { return CodeColour(static_cast<unsigned char>(c)).has_value(); }

size_t Count(const std::string& text, char c) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), c));
}

// The row without its colour codes: what a row without markers shows and logs.
std::string Uncoded(const std::string& row) {
    std::string out;
    for (char c : row) {
        if (!IsCode(c)) out += c;
    }
    return out;
}

bool IsSubsequence(const std::string& part, const std::string& whole) {
    size_t at = 0;
    for (char c : part) {
        at = whole.find(c, at);
        if (at == std::string::npos) return false;
        ++at;
    }
    return true;
}

bool KnownColour(ChatColour colour) {
    for (ChatColour known : {kStagingTextColour, kColourGree, kColourYell, kColourBlue,
                             kColourWhite, kColourGrey, kColourRed, kColourGel}) {
        if (colour == known) return true;
    }
    return false;
}

// Runs are never empty and two neighbours never share a colour.
void CheckRuns(const ColouredText& runs) {
    for (size_t i = 0; i < runs.size(); ++i) {
        FUZZ_CHECK(!runs[i].text.empty());
        FUZZ_CHECK(KnownColour(runs[i].colour));
        if (i > 0) FUZZ_CHECK(runs[i].colour != runs[i - 1].colour);
    }
}

// A row without markers: every shown byte has the colour of the last code before it in the
// row (light grey before the first), and the space the renderer appends has the last one.
void CheckColours(const std::string& row, const ColouredText& runs) {
    std::vector<ChatColour> expected;
    ChatColour colour = kStagingTextColour;
    for (char c : row) {
        if (auto code = CodeColour(static_cast<unsigned char>(c))) {
            colour = *code;
        } else {
            expected.push_back(colour);
        }
    }
    expected.push_back(colour);
    size_t at = 0;
    for (const ColouredRun& run : runs) {
        for (size_t k = 0; k < run.text.size(); ++k, ++at) {
            FUZZ_CHECK(at < expected.size() && expected[at] == run.colour);
        }
    }
    FUZZ_CHECK(at == expected.size());
}

void CheckCodePage(const std::string& row) {
    Cp1252Codec codec;
    const std::string ansi = codec.ToAnsi(row);
    // One code page byte per character; a character beyond the BMP is two UTF-16 units.
    FUZZ_CHECK(ansi.size() <= Utf16Length(row));
    FUZZ_CHECK(Utf16Length(row) <= row.size());
    // Once in the code page, text goes to UTF-8 and back unchanged.
    const std::string back = codec.FromAnsi(ansi);
    FUZZ_CHECK(codec.ToAnsi(back) == ansi);
    FUZZ_CHECK(Utf16Length(back) == ansi.size());
    // The row's bytes read as code page text survive the trip through UTF-8.
    FUZZ_CHECK(codec.ToAnsi(codec.FromAnsi(row)) == row);
    // Only letters change under the alert's upper-casing, each into as many bytes.
    FUZZ_CHECK(AlertUpperCase(row).size() == row.size());
}

}  // namespace
}  // namespace qv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    if (size == 0) return 0;
    const uint8_t switches = data[0];
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);

    WordBoxes boxes;
    std::string row = rest;
    if (const size_t cut = rest.find('\xFF'); cut != std::string::npos) {
        row = rest.substr(cut + 1);
        const std::string list = rest.substr(0, cut);
        size_t start = 0;
        for (int i = 0; i < kAlertWordCount && start <= list.size(); ++i) {
            size_t end = list.find('\n', start);
            if (end == std::string::npos) end = list.size();
            boxes.words[static_cast<size_t>(i)] = list.substr(start, end - start);
            start = end + 1;
        }
    }
    const bool alert_enabled = switches & 1;
    const bool hide_offline = switches & 2;
    const bool logging = switches & 4;
    static const char* const kBindingCounts[] = {"57", "250", "", "2147483648"};
    static const int64_t kMirrorCounts[] = {57, 201, 200, 0};
    const std::string binding = kBindingCounts[(switches >> 3) & 3];
    const int64_t mirror = kMirrorCounts[(switches >> 5) & 3];

    SimSound sound;
    SimFiles files;
    SimLocalClock clock;
    Cp1252Codec codec;
    SimChatView view;
    AlertToneImage tone;
    tone.Assign({'R', 'I', 'F', 'F'});
    ChatLog log(files, clock, codec);
    int shown = 0;
    ColourRenderer renderer(view, [&] { ++shown; });
    StagingBox staging(renderer);
    std::vector<std::string> staged;
    int clears = 0;
    LineProcessor processor(
        {sound, tone, boxes, log},
        {[&] { return alert_enabled; }, [&] { return binding; }, [&] { return mirror; },
         [&] { return hide_offline; }, [&] { return logging; },
         [&](const std::string& text) {
             staged.push_back(text);
             staging.Replace(text);
         },
         [&] { ++clears; }});

    processor.Text11_Change(row);
    CheckCodePage(row);

    if (row.empty()) {
        FUZZ_CHECK(staged.empty() && clears == 0 && sound.plays.empty());
        FUZZ_CHECK(files.files.empty() && view.paragraphs.empty());
        return 0;
    }
    const bool marked = row.find(kMarker) != std::string::npos;
    const bool hidden = hide_offline && row.find(", offline") != std::string::npos;
    const size_t codes = static_cast<size_t>(std::count_if(row.begin(), row.end(), IsCode));
    FUZZ_CHECK(clears == 1);

    // The alert: silent while disabled or without words; at most every word twice per test,
    // one test as received and one after each colour step.
    const bool any_word = std::any_of(boxes.words.begin(), boxes.words.end(),
                                      [](const std::string& w) { return !w.empty(); });
    if (!alert_enabled || !any_word) FUZZ_CHECK(sound.plays.empty());
    FUZZ_CHECK(sound.plays.size() <= 2 * kAlertWordCount * (1 + kColourTagTable.size()));
    for (const SimSound::Play& play : sound.plays) {
        FUZZ_CHECK(play.image == tone.data() && play.size == tone.size());
    }

    // Staging: a hidden offline row goes untagged; any other row tagged, without a code left,
    // and followed by an empty text when a step changed it.
    if (hidden) {
        FUZZ_CHECK(staged.size() == 1 && staged[0] == row);
    } else {
        FUZZ_CHECK(staged.size() == (codes > 0 ? 2u : 1u));
        FUZZ_CHECK(std::none_of(staged[0].begin(), staged[0].end(), IsCode));
        if (codes > 0) FUZZ_CHECK(staged[1].empty());
    }

    // The log: one line in CR LF for a logged row; removing tags adds no byte, so no CR, LF,
    // marker or code appears that the row did not hold.
    if (!logging || hidden) {
        FUZZ_CHECK(files.files.empty());
    } else {
        FUZZ_CHECK(files.files.size() == 1 && files.files.begin()->first == log.FilePath());
        const std::string& content = files.files.begin()->second;
        FUZZ_CHECK(content.size() >= 2 && content.compare(content.size() - 2, 2, "\r\n") == 0);
        const std::string line = content.substr(0, content.size() - 2);
        FUZZ_CHECK(Count(line, '\r') <= Count(row, '\r'));
        FUZZ_CHECK(Count(line, '\n') <= Count(row, '\n'));
        FUZZ_CHECK(Count(line, kMarker) <= Count(row, kMarker));
        FUZZ_CHECK(std::none_of(line.begin(), line.end(), IsCode));
        if (!marked) {
            // Every tag the steps put in is gone: the row without its codes, in the code page.
            FUZZ_CHECK(line == codec.ToAnsi(Uncoded(row)));
            FUZZ_CHECK(Uncoded(row).find("\r\n") != std::string::npos ||
                       line.find("\r\n") == std::string::npos);
        }
    }

    // The view: a text is shown only when it holds a marker, so at most one paragraph.
    for (const ColouredText& paragraph : view.paragraphs) CheckRuns(paragraph);
    FUZZ_CHECK(static_cast<size_t>(shown) == view.paragraphs.size());
    const std::string text = view.Text();
    if (!marked) {
        if (hidden || codes == 0) {
            FUZZ_CHECK(view.paragraphs.empty());
        } else {
            // Every tag removed with its space, the renderer's own space at the end.
            FUZZ_CHECK(view.paragraphs.size() == 1);
            FUZZ_CHECK(text == Uncoded(row) + " ");
            CheckColours(row, view.paragraphs[0]);
        }
    } else {
        // A marker of the row's own stays or goes; every marker of a tag goes.
        FUZZ_CHECK(view.paragraphs.size() == 1);
        FUZZ_CHECK(Count(text, kMarker) <= Count(row, kMarker));
        FUZZ_CHECK(IsSubsequence(text, staged[0] + " "));
    }

    // The staging box holds the last hand-over as the renderer left it: nothing after an
    // empty one, the shown paragraph after a tagged one, else the text in the default colour.
    const std::string& last = staged.back();
    const ColouredText& content = staging.Content();
    if (last.empty()) {
        FUZZ_CHECK(content.empty());
    } else if (last.find(kMarker) != std::string::npos) {
        FUZZ_CHECK(!view.paragraphs.empty() && content == view.paragraphs.back());
    } else {
        FUZZ_CHECK(content.size() == 1 && content[0].text == last &&
                   content[0].colour == kStagingTextColour);
    }
    return 0;
}
