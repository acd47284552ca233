#include "chat/staging_box.h"

namespace qv {

void StagingBox::Replace(const std::string& text) {
    if (std::optional<ColouredText> shown = renderer_.RenderColourTags(text)) {
        content_ = std::move(*shown);
    } else if (text.empty()) {
        content_.clear();
    } else {
        content_ = {{text, kStagingTextColour}};
    }
}

}  // namespace qv
