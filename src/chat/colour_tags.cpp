#include "chat/colour_tags.h"

#include "core/replace_all.h"

namespace qv {
namespace {

// Replaces every `from` in `text` by `to`; true when there was one.
bool ReplaceInPlace(std::string& text, std::string_view from, std::string_view to) {
    if (text.find(from) == std::string::npos) return false;
    text = ReplaceAll(text, from, to);
    return true;
}

// Whether the step is the first of the table to give its tag (White has three codes).
bool FirstStepOfItsTag(const ColourStep& step) {
    for (const ColourStep& earlier : kColourTagTable) {
        if (&earlier == &step) return true;
        if (earlier.tag == step.tag) return false;
    }
    return false;
}

}  // namespace

bool ApplyColourStep(std::string& text, const ColourStep& step) {
    return ReplaceInPlace(text, step.code, step.tag);
}

std::string RemoveColourTags(std::string text) {
    // Each tag once, in the order of the table: removing one can join the text around it into
    // another tag, which stays when its own turn has passed.
    for (const ColourStep& step : kColourTagTable) {
        if (FirstStepOfItsTag(step)) ReplaceInPlace(text, step.tag, "");
    }
    return text;
}

std::optional<ChatColour> TagColour(std::string_view tag_word) {
    for (const ColourStep& step : kColourTagTable) {
        if (TagWord(step) == tag_word) return step.colour;
    }
    return std::nullopt;
}

bool IsTagWordStart(std::string_view word) {
    for (const ColourStep& step : kColourTagTable) {
        if (TagWord(step).substr(0, word.size()) == word) return true;
    }
    return false;
}

}  // namespace qv
