#include "chat/name_alert.h"

namespace qv {
namespace {

// Rows of backlog that the first pump pass of a binding reads.
constexpr int64_t kGateRows = 200;

}  // namespace

bool AlertGateOpen(bool enabled, std::optional<int64_t> count_at_binding, int64_t mirror_count) {
    if (!enabled || !count_at_binding) return false;
    const int64_t t = *count_at_binding;
    const int64_t c = mirror_count;
    return (t < kGateRows && t == c) || c > kGateRows;
}

std::string AlertUpperCase(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (b >= 'a' && b <= 'z') {
            out[i] = static_cast<char>(b - 'a' + 'A');
            continue;
        }
        if ((b != 0xC3 && b != 0xC5) || i + 1 >= out.size()) continue;
        // The small letters of code page 1252 are all two UTF-8 bytes, and so are their
        // capitals: lead byte C3 (U+00C0..U+00FF) or C5 (U+0140..U+017F).
        auto next = static_cast<unsigned char>(out[i + 1]);
        if (b == 0xC3 && next >= 0xA0 && next <= 0xBE && next != 0xB7) {
            next -= 0x20;  // à..þ to À..Þ, not the division sign
        } else if (b == 0xC3 && next == 0xBF) {
            out[i] = static_cast<char>(0xC5);  // ÿ to Ÿ (U+0178)
            next = 0xB8;
        } else if (b == 0xC5 && (next == 0x93 || next == 0xA1 || next == 0xBE)) {
            next -= 1;  // œ, š, ž to Œ, Š, Ž
        }
        out[i + 1] = static_cast<char>(next);
        ++i;
    }
    return out;
}

std::string AlertPart(const std::string& text, std::string_view cut) {
    const size_t first = text.find(cut);
    if (first == std::string::npos) return {};
    const size_t start = first + cut.size();
    const size_t second = text.find(cut, start);
    const size_t length = second == std::string::npos ? std::string::npos : second - start;
    return AlertUpperCase(std::string_view(text).substr(start, length));
}

int CountAlertPlays(const std::string& text, AlertWords& words) {
    const std::string white = AlertPart(text, "\x08White");
    const std::string grey = AlertPart(text, "\x08Grey");
    int plays = 0;
    for (int i = 0; i < kAlertWordCount; ++i) {
        const std::string word = words.AlertWord(i);
        if (word.empty()) continue;
        const std::string upper = AlertUpperCase(word);
        if (white.find(upper) != std::string::npos) ++plays;
        if (grey.find(upper) != std::string::npos) ++plays;
    }
    return plays;
}

}  // namespace qv
