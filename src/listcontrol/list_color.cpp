#include "listcontrol/list_color.h"

namespace qv {

uint32_t TranslateColor(ListCanvas& canvas, uint32_t color) {
    switch (color >> 24) {
        case 0x00:
        case 0x02:  // a plain colour, with or without the palette-relative flag
            return color & 0xFFFFFFu;
        case 0x80: {
            const uint32_t index = color & 0xFFFFu;
            uint32_t rgb = 0;
            if (index <= kLastSystemColorIndex &&
                canvas.SystemColor(static_cast<int32_t>(index), &rgb)) {
                return rgb & 0xFFFFFFu;
            }
            return kColorUntranslatable;
        }
        default:
            return kColorUntranslatable;
    }
}

void ColorToVertex(GradientVertex& vertex, uint32_t color) {
    vertex.red = static_cast<uint16_t>((color & 0xFFu) * 256u);
    vertex.green = static_cast<uint16_t>(color & 0xFF00u);
    vertex.blue = static_cast<uint16_t>(((color >> 16) & 0xFFu) * 256u);
}

}  // namespace qv
