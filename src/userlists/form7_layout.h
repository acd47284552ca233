// The user pop-up `Form7` as a table. Its sizes were laid out in twips; at 15 twips to the
// pixel they are whole pixels.
#pragma once

#include "core/form_table.h"

namespace qv {

constexpr int kTwipsPerPixel = 15;
constexpr int kPopupClientWidth = 2190 / kTwipsPerPixel;   // 146
constexpr int kPopupClientHeight = 4065 / kTwipsPerPixel;  // 271

// Picture numbers of the three backgrounds, also the ids of their bitmap resources.
constexpr int kPopupPictureStarcraft = 3111;  // the design picture ("Starcraft Style")
constexpr int kPopupPictureBlue = 3112;       // Picture2, "Blue Style"
constexpr int kPopupPictureSilver = 3113;     // Picture3, "Silver Style"

FormSpec Form7Layout();

}  // namespace qv
