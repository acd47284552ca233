#include "e2e/expected_text.h"

#include <windows.h>

#include <map>

#include "chat/colour_renderer.h"
#include "chat/colour_tags.h"
#include "chat/history_text.h"
#include "chat/history_window.h"
#include "text.h"
#include "win32/win32_text.h"

namespace e2e {
namespace {

constexpr UINT kGameCodePage = 1252;
constexpr int kRowsNamed = 5;

}  // namespace

std::string DescribeDifference(const std::vector<std::string>& seen,
                               const std::vector<std::string>& expected) {
    if (seen == expected) return "";
    std::map<std::string, int> times;
    for (const std::string& row : seen) ++times[row];
    int missing = 0;
    int doubled = 0;
    std::string named;
    for (const std::string& row : expected) {
        const auto found = times.find(row);
        const bool lost = found == times.end();
        const bool twice = !lost && found->second > 1;
        if ((lost || twice) && missing + doubled < kRowsNamed) {
            named += std::string(lost ? "\n  missing: " : "\n  twice:   ") +
                     standin::EscapeTranscriptText(row);
        }
        missing += lost;
        doubled += twice;
    }
    size_t first = 0;
    while (first < seen.size() && first < expected.size() && seen[first] == expected[first]) {
        ++first;
    }
    std::string text = std::to_string(seen.size()) + " rows seen, " +
                       std::to_string(expected.size()) + " expected, " + std::to_string(missing) +
                       " missing, " + std::to_string(doubled) +
                       " more than once; first difference at row " + std::to_string(first) + named;
    if (first < seen.size())
        text += "\n  seen there:     " + standin::EscapeTranscriptText(seen[first]);
    if (first < expected.size())
        text += "\n  expected there: " + standin::EscapeTranscriptText(expected[first]);
    return text;
}

std::string Utf8FromCp1252(const std::string& bytes) {
    if (bytes.empty()) return "";
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(kGameCodePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kGameCodePage, 0, bytes.data(), size, &wide[0], n);
    return qv::Narrow(wide);
}

std::string Cp1252FromUtf8(const std::string& text) {
    const std::wstring wide = qv::Widen(text);
    if (wide.empty()) return "";
    const int size = static_cast<int>(wide.size());
    const int n =
        WideCharToMultiByte(kGameCodePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kGameCodePage, 0, wide.data(), size, &bytes[0], n, nullptr, nullptr);
    return bytes;
}

ExpectedRow Expect(const std::string& row) {
    std::string tagged = Utf8FromCp1252(row);
    for (const qv::ColourStep& step : qv::kColourTagTable) qv::ApplyColourStep(tagged, step);
    ExpectedRow expected;
    expected.logged = Cp1252FromUtf8(qv::RemoveColourTags(tagged));
    if (auto runs = qv::ColourAndStripTags(tagged)) {
        std::string shown;
        for (const qv::ColouredRun& run : *runs) shown += run.text;
        expected.shown = shown;
    }
    return expected;
}

std::vector<std::string> GameRows(HWND list) {
    std::vector<std::string> rows;
    const LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring row(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                         reinterpret_cast<LPARAM>(row.data()));
        row.resize(got > 0 ? static_cast<size_t>(got) : 0);
        rows.push_back(qv::Narrow(row));
    }
    return rows;
}

std::string ExpectedHistoryView(const std::vector<std::string>& rows) {
    const std::string text = qv::HistoryText(rows);
    const auto shown = qv::ColourAndStripTags(text, qv::kHistoryTextColour);
    if (!shown) return text;
    std::string out;
    for (const qv::ColouredRun& run : *shown) out += run.text;
    return out;
}

}  // namespace e2e
