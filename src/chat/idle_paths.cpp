#include "chat/idle_paths.h"

#include <algorithm>

#include "chat/colour_tags.h"
#include "gamelink/list_read.h"
#include "platform/text_codec.h"

namespace qv {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
// The block path leaves this colour code as it is.
constexpr std::string_view kKeptCode = "\x17";

// The number of pieces the text splits into at CR LF.
int LineCount(const std::string& text) {
    int lines = 1;
    for (size_t at = text.find(kLineBreak); at != std::string::npos;
         at = text.find(kLineBreak, at + kLineBreak.size())) {
        ++lines;
    }
    return lines;
}

}  // namespace

IdleHandOffPaths::IdleHandOffPaths(Platform& platform, HandleBoxes& boxes, StagingBox& staging,
                                   ChatView& view, LoadingNote& loading_note)
    : Timer3(platform.timers, "Timer3", kBlockPollMs),
      Timerlol(platform.timers, "Timerlol", kBlockCopyMs),
      Timer7(platform.timers, "Timer7", kBacklogFillMs),
      Timera(platform.timers, "Timera", kBacklogPollMs),
      Timer33(platform.timers, "Timer33", kViewCopyMs),
      platform_(platform),
      boxes_(boxes),
      staging_(staging),
      view_(view),
      loading_note_(loading_note) {
    Text2.OnChange([this] { Text2_Change(); });
    Text1.OnChange([this] { Text1_Change(); });
    Text7.OnChange([this] { Text7_Change(); });
    texta.OnChange([this] { texta_Change(); });
    Text8.OnChange([this] { Text8_Change(); });
    Timer3.SetHandler([this] { Timer3_Timer(); });
    Timerlol.SetHandler([this] { Timerlol_Timer(); });
    Timer7.SetHandler([this] { Timer7_Timer(); });
    Timera.SetHandler([this] { Timera_Timer(); });
    Timer33.SetHandler([this] { Timer33_Timer(); });
}

void IdleHandOffPaths::Start() { Timera.SetEnabled(true); }

void IdleHandOffPaths::Text2_Change() { Timer3.SetEnabled(true); }

void IdleHandOffPaths::Timer3_Timer() {
    // While the two are equal the timer keeps polling.
    if (Text2.Get() == Text1.Get()) return;
    Text1.Set(Text2.Get());
    Timer3.SetEnabled(false);
}

void IdleHandOffPaths::Text1_Change() { Timerlol.SetEnabled(true); }

void IdleHandOffPaths::Timerlol_Timer() {
    if (Text2.Get() == Text7.Get()) return;
    Text7.Set(Text2.Get());
    Text1_SelStart = static_cast<int>(Utf16Length(Text1.Get()));  // after the last character
    Timerlol.SetEnabled(false);
}

void IdleHandOffPaths::Text7_Change() {
    std::string block = Text7.Get();
    if (LineCount(block) > kBlockMaxLines) return;
    for (const ColourStep& step : kColourTagTable) {
        if (step.code != kKeptCode) ApplyColourStep(block, step);
    }
    staging_.Replace(block);
}

void IdleHandOffPaths::Timer7_Timer() {
    const WindowHandle list = HandleOf(boxes_.list);
    const int count = platform_.windows.ListGetCount(list);
    // A game that does not answer leaves the backlog box as it is, not emptied or half filled.
    if (count == kNoAnswer) return;
    std::string rows;
    for (int row = std::max(0, count - kBacklogFillRows); row < count; ++row) {
        std::optional<std::string> read = ReadListBoxItem(platform_.windows, list, row);
        if (!read) return;
        rows += *read;
        rows += kLineBreak;
    }
    texta.Set(rows);
}

void IdleHandOffPaths::texta_Change() {
    Timera.Wake();
    Timera.SetEnabled(true);
}

void IdleHandOffPaths::Timera_Timer() {
    // While the two are equal the timer keeps polling; its ticks change nothing until one of
    // them changes, so it rests until then.
    if (texta.Get() == Text8.Get()) {
        Timera.Rest();
        return;
    }
    Text8.Set(texta.Get());
    Text8_SelStart = static_cast<int>(Utf16Length(Text8.Get()));
    Timera.SetEnabled(false);
}

void IdleHandOffPaths::Text8_Change() {
    Timera.Wake();
    loading_note_.Hide();
}

void IdleHandOffPaths::EnableTimera() { Timera.SetEnabled(true); }

void IdleHandOffPaths::Timer33_Timer() {
    view_.ReplaceContent(staging_.Content());
    Timer33.SetEnabled(false);
}

}  // namespace qv
