// The renderer's colouring and removal passes as first written, one colour per character: slow
// for a long history but plain to check by eye. Tests and the fuzzer compare the
// program's passes (ColourAndStripTags) with it.
#pragma once

#include <optional>
#include <string>

#include "chat/colour_renderer.h"

namespace qv {

std::optional<ColouredText> ReferenceColourAndStripTags(const std::string& staged,
                                                        ChatColour default_colour);

}  // namespace qv
