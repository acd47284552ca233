#include "chat/line_processor.h"

#include "chat/colour_tags.h"
#include "core/number_text.h"

namespace qv {
namespace {

constexpr std::string_view kOfflineMark = ", offline";

}  // namespace

void LineProcessor::AlertCheck(const std::string& text) {
    std::optional<int64_t> count;
    if (auto parsed = ParseInt32(hooks_.count_at_binding())) count = *parsed;
    if (!AlertGateOpen(hooks_.alert_enabled(), count, hooks_.mirror_count())) return;
    // Every start restarts the same tone, so several matches are heard as one.
    const int plays = CountAlertPlays(text, services_.words);
    for (int i = 0; i < plays; ++i) PlayWavData(services_.sound, services_.tone, kSoundAsync);
}

void LineProcessor::Text11_Change(const std::string& line) {
    if (line.empty()) return;
    AlertCheck(line);

    // Untagged, the line shows nothing and is not logged.
    if (hooks_.hide_offline() && line.find(kOfflineMark) != std::string::npos) {
        hooks_.stage(line);
        hooks_.clear_line_box();
        return;
    }

    std::string tagged = line;
    bool changed = false;
    for (const ColourStep& step : kColourTagTable) {
        if (!ApplyColourStep(tagged, step)) continue;
        changed = true;
        AlertCheck(tagged);
    }

    if (hooks_.logging_on()) services_.log.Append(RemoveColourTags(tagged));

    hooks_.stage(tagged);
    hooks_.clear_line_box();
    if (changed) hooks_.stage("");
}

}  // namespace qv
