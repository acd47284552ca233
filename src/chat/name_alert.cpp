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
        } else if (b == 0xC3 && i + 1 < out.size()) {
            // U+00E0..U+00FE except U+00F7 (division sign) map to U+00C0..U+00DE.
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) {
                out[i + 1] = static_cast<char>(next - 0x20);
            }
            ++i;
        }
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
