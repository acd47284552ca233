// The chat view renderer: colours the text after each colour tag, removes the tags and adds
// the result as a new paragraph at the end of the chat view.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "chat/chat_view.h"
#include "chat/colour_tags.h"

namespace qv {

// Text before the first tag; light grey reads well on the view's black background.
constexpr ChatColour kStagingTextColour = 0x00C0C0C0;
constexpr ChatColour kChatViewBackground = 0x00000000;

// The colouring and removal passes on one staged text, with a space appended first. Empty
// when the text holds no marker: such a text is not shown.
std::optional<ColouredText> ColourAndStripTags(const std::string& staged,
                                               ChatColour default_colour = kStagingTextColour);

class ColourRenderer {
  public:
    // `on_shown` runs after each text added to the view (the pump's Timer2 is switched on).
    ColourRenderer(ChatView& view, std::function<void()> on_shown)
        : view_(view), on_shown_(std::move(on_shown)) {}

    // Runs once for each text handed to the staging box, at once and without yielding to
    // other events, so every text is rendered once and in order. Returns what was added to
    // the view, nothing for a text without tags.
    std::optional<ColouredText> RenderColourTags(const std::string& staged);

  private:
    ChatView& view_;
    std::function<void()> on_shown_;
};

}  // namespace qv
