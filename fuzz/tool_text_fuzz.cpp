// Fuzzes the text rules of the tool windows fed arbitrary text: the placeholders of the timed
// messages and the greeting, the greeting's user-name cut, the channel window's channel-name
// cut and the interval entry; and drives the greet window and the channel window on the sim
// with that text as the channel's last row, the greet text and the channel label.
//
// Input: up to the first 0xFF byte the first text, up to the next 0xFF the second, the rest
// the third (0xFF never occurs in UTF-8, so a seed reads "<row>\xFF<greet text>\xFF<caption>").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "gamelink/send_paths.h"
#include "sim/sim_game.h"
#include "sim/sim_platform.h"
#include "tools/channel_window.h"
#include "tools/greet_window.h"
#include "tools/tool_text.h"

namespace qv {
namespace {

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool IsPrefix(std::string_view prefix, std::string_view text) {
    return text.substr(0, prefix.size()) == prefix;
}

// A one-byte stand-in name that occurs neither in the text nor in the date and time put in,
// so that each of its occurrences in a filled text marks where the name went; none for a
// text that holds every such byte.
std::optional<char> StandInName(const std::string& text) {
    bool used[256] = {};
    for (char c : text) used[static_cast<unsigned char>(c)] = true;
    for (char c : std::string_view("0123456789-:")) used[static_cast<unsigned char>(c)] = true;
    for (int b = 1; b < 256; ++b) {
        if (!used[b] && b != '%') return static_cast<char>(b);
    }
    return std::nullopt;
}

void CheckRules(const std::string& row, const std::string& text, const std::string& caption) {
    const LocalDateTime when{2008, 1, 24, 7, 5, 9};
    const std::string timed = FillDateTime(text, when);
    FUZZ_CHECK(!Contains(timed, "%date") && !Contains(timed, "%time"));
    const std::string greeting = FillGreeting(text, row, when);
    if (!Contains(text, "%")) FUZZ_CHECK(timed == text && greeting == text);
    // One pass never searches a name for placeholders. Where a name cannot complete one with
    // the text around it (not empty, no '%' and no letter of the placeholders, in a text
    // without "%%"), that is the same as filling them one after another.
    if (!row.empty() && row.find_first_of("%usertdaim") == std::string::npos &&
        !Contains(text, "%%")) {
        FUZZ_CHECK(greeting == FillDateTime(ReplaceAll(text, "%user", row), when));
    }
    // Whatever the name holds ('%' and placeholders too), it is put in as it stands: filling
    // with a stand-in and then putting the name where the stand-in went gives the same text.
    if (const std::optional<char> stand_in = StandInName(text)) {
        const std::string marked = FillGreeting(text, std::string(1, *stand_in), when);
        FUZZ_CHECK(ReplaceAll(marked, std::string(1, *stand_in), row) == greeting);
    }

    // The user name: a whole-character prefix of the row, before its first blank, of
    // p - 3 characters; none when those hold a line break.
    const std::optional<std::string> name = GreetUserName(row);
    const long p = CharacterPosition(row, ' ');
    const std::string before_blank = row.substr(0, row.find(' '));
    if (!HoldsLineBreak(before_blank)) FUZZ_CHECK(name.has_value());
    if (name) {
        FUZZ_CHECK(IsPrefix(*name, row));
        FUZZ_CHECK(!HoldsLineBreak(*name));
        FUZZ_CHECK(LeadingCharacters(*name, 1L << 30) == *name);
        if (p == 0) {
            FUZZ_CHECK(name->empty());
        } else {
            FUZZ_CHECK(name->size() < row.find(' ') + 1);
            FUZZ_CHECK(static_cast<long>(Utf16Length(*name)) <= (p - 3 > 0 ? p - 3 : 0));
        }
    } else {
        FUZZ_CHECK(p >= 4 && HoldsLineBreak(before_blank));
    }

    // The channel name: nothing when "(" is missing or first, else a prefix without "(".
    const std::optional<std::string> channel = CurrentChannelName(caption);
    const long q = CharacterPosition(caption, '(');
    FUZZ_CHECK(channel.has_value() == (q >= 2));
    if (channel) {
        FUZZ_CHECK(IsPrefix(*channel, WithoutLineBreaks(caption)));
        FUZZ_CHECK(!Contains(*channel, "\r") && !Contains(*channel, "\n"));
        FUZZ_CHECK(!Contains(*channel, "("));
        FUZZ_CHECK(static_cast<long>(Utf16Length(*channel)) <= q - 2);
    }

    // The interval entry always lands inside 5000 .. 60000.
    for (const std::string* entry : {&row, &text, &caption}) {
        const IntervalEntry result = ApplyIntervalEntry(*entry, 40000);
        FUZZ_CHECK(result.interval >= 5000 && result.interval <= 60000);
        FUZZ_CHECK(!result.box || *result.box == "5000" || *result.box == "60000");
    }
}

// The greet window greets the last row of a grown list with its text filled in, and the
// channel window lists 14 or 15 rows and joins what its box holds.
void CheckWindows(const std::string& row, const std::string& text, const std::string& caption) {
    SimWorld world;
    world.local_clock.now = {2008, 1, 24, 7, 5, 9};
    SimGame game(world.windows);
    HandleBoxes boxes;
    boxes.text.Set(std::to_string(game.Control(0)));
    boxes.button.Set(std::to_string(game.Control(10)));
    SendPaths send(world.platform, boxes);
    std::vector<std::string> list1;
    Form4 greet(world.platform);
    greet.Connect(GreetLinks{.user_count = [&] { return static_cast<int>(list1.size()); },
                             .user_row = [&](int i) { return list1.at(static_cast<size_t>(i)); },
                             .user_copier = [](bool) {},
                             .send = &send});
    greet.Load();
    greet.form["Text1"].SetText(text);
    greet.form["Command1"].Click();
    list1.push_back(row);
    world.clock.Advance(450);
    // A name with a line break is greeted by nothing: no line, no click.
    if (const std::optional<std::string> name = GreetUserName(row)) {
        FUZZ_CHECK(game.InputBox().title == FillGreeting(text, *name, world.local_clock.now));
        FUZZ_CHECK(game.SendButton().clicks == 1);
    } else {
        FUZZ_CHECK(world.windows.log.empty() && game.SendButton().clicks == 0);
    }
    FUZZ_CHECK(send.time.Get().empty());

    FormChannel channel(send);
    channel.Form_Load(caption);
    const size_t rows = channel.form["List4"].Rows().size();
    FUZZ_CHECK(rows == 14 || rows == 15);
    FUZZ_CHECK((rows == 15) == CurrentChannelName(caption).has_value());
    channel.form["Command2"].Click();
    FUZZ_CHECK(game.InputBox().title == "/join " + channel.form["Text3"].Text());
}

}  // namespace
}  // namespace qv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string parts[3];
    size_t part = 0;
    for (char c : input) {
        if (c == '\xFF' && part < 2) {
            ++part;
        } else {
            parts[part] += c;
        }
    }
    qv::CheckRules(parts[0], parts[1], parts[2]);
    qv::CheckWindows(parts[0], parts[1], parts[2]);
    return 0;
}
