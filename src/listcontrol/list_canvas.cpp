#include "listcontrol/list_canvas.h"

#include <utility>

namespace qv {

bool FontSpec::operator==(const FontSpec& o) const {
    return name == o.name && size == o.size && weight == o.weight && bold == o.bold &&
           italic == o.italic && underline == o.underline && strikethrough == o.strikethrough &&
           charset == o.charset;
}

Picture MakePicture(std::string source, int32_t width, int32_t height) {
    return std::make_shared<const PictureData>(PictureData{std::move(source), width, height});
}

}  // namespace qv
