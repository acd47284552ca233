#include "chat/colour_tags.h"

namespace qv {

const std::array<ColourStep, 9> kColourTagTable = {{
    {"\x17", ColourTag::kWhite},
    {"\x10\x10", ColourTag::kWhite},
    {"\x12", ColourTag::kGree},
    {"\x1a", ColourTag::kYell},
    {"\x14", ColourTag::kBlue},
    {"\x10", ColourTag::kWhite},
    {"\x11", ColourTag::kGrey},
    {"\x1b", ColourTag::kRed},
    {"\x13", ColourTag::kGel},
}};

bool ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    size_t pos = text.find(from);
    if (from.empty() || pos == std::string::npos) return false;
    std::string out;
    out.reserve(text.size() + to.size() * 2);
    size_t start = 0;
    while (pos != std::string::npos) {
        out.append(text, start, pos - start);
        out.append(to);
        start = pos + from.size();
        pos = text.find(from, start);
    }
    out.append(text, start, std::string::npos);
    text = std::move(out);
    return true;
}

std::string RemoveColourTags(std::string text) {
    for (std::string_view tag :
         {ColourTag::kWhite, ColourTag::kGree, ColourTag::kYell, ColourTag::kBlue, ColourTag::kGrey,
          ColourTag::kRed, ColourTag::kGel}) {
        ReplaceAll(text, tag, "");
    }
    return text;
}

}  // namespace qv
