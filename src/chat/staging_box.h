// The hidden staging box RichTextBox1, through which every text reaches the chat view.
#pragma once

#include <string>

#include "chat/chat_view.h"
#include "chat/colour_renderer.h"

namespace qv {

// The renderer edits the staging box in place, so what the box holds after a hand-over is
// the text as the renderer left it: coloured, tags removed and a space added for a tagged
// text; unchanged, in the default colour, for a text without tags; nothing after an empty
// hand-over. That is kept here as coloured runs, which is all the view copy needs of it.
class StagingBox {
  public:
    explicit StagingBox(ColourRenderer& renderer) : renderer_(renderer) {}

    // Replaces the content with `text`, which runs the renderer on it once.
    void Replace(const std::string& text);
    const ColouredText& Content() const { return content_; }

  private:
    ColourRenderer& renderer_;
    ColouredText content_;
};

}  // namespace qv
