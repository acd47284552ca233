// What the companion should make of one of the game's chat rows, worked out with the
// companion's own portable steps (colour steps, tag removal, renderer), so a test can compare
// its chat view and day log with every row the stand-in added.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct ExpectedRow {
    // The chat view's paragraph, UTF-8; none when the row holds no colour the view shows.
    std::optional<std::string> shown;
    // The day log's line, cp1252 bytes without the CR LF.
    std::string logged;
};

// `row` is the game's row: cp1252 bytes with colour codes.
ExpectedRow Expect(const std::string& row);

// Empty when `seen` equals `expected`; else how they differ: how many rows are missing or seen
// more than once (the first few of each), and the first place where the two part, with
// control and 8-bit characters escaped so the message stays readable.
std::string DescribeDifference(const std::vector<std::string>& seen,
                               const std::vector<std::string>& expected);

// The game's chat rows as the companion reads them (wide reads from another program), UTF-8.
std::vector<std::string> GameRows(HWND list);

// The message history view as the companion must show these rows (UTF-8, as the game's list
// gives them to the companion): the rows with CR LF, converted, the tags removed by the
// renderer's passes.
std::string ExpectedHistoryView(const std::vector<std::string>& rows);

std::string Utf8FromCp1252(const std::string& bytes);
std::string Cp1252FromUtf8(const std::string& text);

}  // namespace e2e
