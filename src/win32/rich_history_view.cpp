#include "win32/rich_history_view.h"

#include <richedit.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "chat/history_layout.h"
#include "chat/history_window.h"
#include "win32/rich_edit_stream.h"
#include "win32/screen_colour.h"
#include "win32/win32_text.h"

namespace qv {
namespace {

// Streams into the view with its drawing held, then draws it once.
void StreamIn(HWND view, const char* data, size_t size, UINT format) {
    SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    StreamIntoControl(view, data, size, format);
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
}

// True when the control keeps the text as it is: every line break a CR LF, no NUL. (It
// turns a lone CR or LF into CR LF and CR CR LF into a blank.)
bool KeptAsGiven(const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\0') return false;
        if (c == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) return false;
        if (c == L'\n' && (i == 0 || text[i - 1] != L'\r')) return false;
    }
    return true;
}

// Appends text as RTF: ASCII as itself (the RTF specials escaped), each line break as a
// paragraph break, as the control takes them in plain text, and anything else as its \u
// number, with "?" for a reader without it.
void AppendRtfText(std::string& rtf, const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t unit = text[i];
        if (unit == L'\r' || unit == L'\n') {
            if (unit == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            rtf += "\\par ";
        } else if (unit == L'\\' || unit == L'{' || unit == L'}') {
            rtf += '\\';
            rtf += static_cast<char>(unit);
        } else if (unit == L'\t') {
            rtf += "\\tab ";
        } else if (unit >= 0x20 && unit < 0x7F) {
            rtf += static_cast<char>(unit);
        } else {
            rtf += "\\u" + std::to_string(static_cast<int16_t>(unit)) + "?";
        }
    }
}

// The runs as one RTF document: a colour table of the colours they use, then each run's
// text after its colour. Size and font are the control's default format.
std::string ColouredRtf(const ColouredText& text) {
    std::vector<COLORREF> table;
    std::vector<size_t> entry;  // each run's place in the table
    size_t size = 0;
    for (const ColouredRun& run : text) {
        const COLORREF colour = ScreenColour(run.colour);
        size_t index = 0;
        while (index < table.size() && table[index] != colour) ++index;
        if (index == table.size()) table.push_back(colour);
        entry.push_back(index + 1);
        size += run.text.size() + 8;
    }
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\uc1{\\colortbl;";
    rtf.reserve(size + size / 4);
    for (COLORREF colour : table) {
        rtf += "\\red" + std::to_string(GetRValue(colour)) + "\\green" +
               std::to_string(GetGValue(colour)) + "\\blue" + std::to_string(GetBValue(colour)) +
               ";";
    }
    rtf += "}";
    for (size_t i = 0; i < text.size(); ++i) {
        rtf += "\\cf" + std::to_string(entry[i]) + " ";
        AppendRtfText(rtf, Widen(text[i].text));
    }
    rtf += "}";
    return rtf;
}

}  // namespace

RichHistoryView::RichHistoryView(HWND parent, int id, int x, int y, int width, int height)
    // The scroll bar is always there: one that appears part-way through a long history makes
    // the control lay out the whole text a second time, at the narrower width.
    : view_(parent, id, x, y, width, height, ES_DISABLENOSCROLL) {
    // The history's size; new text takes this default format, and so does the control that
    // takes the view's place when it is emptied.
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE | CFM_COLOR;
    format.yHeight = static_cast<LONG>(kHistoryViewPoints * 20);  // twips
    format.crTextColor = ScreenColour(kHistoryTextColour);
    SendMessageW(view_.Handle(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(view_.Handle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void RichHistoryView::Renew() {
    pending_.reset();
    view_.Clear();
}

void RichHistoryView::Move(int x, int y, int width, int height) {
    MoveWindow(view_.Handle(), x, y, width, height, TRUE);
}

std::string RichHistoryView::Text() { return pending_ ? Narrow(*pending_) : view_.Text(); }

void RichHistoryView::DoSetPlainText(const std::string& text) {
    Renew();
    if (text.empty()) return;
    pending_ = Widen(text);
    // A text that the control keeps as given waits: the renderer's edit usually replaces it
    // at once, and laying out a long history twice costs seconds. Others go in now, so the
    // renderer reads them as the control keeps them.
    if (!KeptAsGiven(*pending_)) ShowPending();
}

void RichHistoryView::AfterChange() { ShowPending(); }

void RichHistoryView::ShowPending() {
    if (!pending_) return;
    const std::wstring wide = std::move(*pending_);
    pending_.reset();
    // Streamed in as UTF-16 text: one message for the whole history, and a text that starts
    // with "{\rtf" stays text.
    StreamIn(view_.Handle(), reinterpret_cast<const char*>(wide.data()),
             wide.size() * sizeof(wchar_t), SF_TEXT | SF_UNICODE);
}

void RichHistoryView::SetColouredText(const ColouredText& text) {
    Renew();
    if (text.empty()) return;
    // One RTF document for the whole content: colouring run by run costs more per run the
    // longer the text.
    const std::string rtf = ColouredRtf(text);
    StreamIn(view_.Handle(), rtf.data(), rtf.size(), SF_RTF);
}

std::string RichHistoryView::RtfDocument() {
    ShowPending();
    std::string rtf = StreamOutOfControl(view_.Handle(), SF_RTF);
    // The control ends its stream with a NUL after the closing brace; it is no part of the
    // document, and a file must end with the brace (then the CR LF of the save).
    while (!rtf.empty() && rtf.back() == '\0') rtf.pop_back();
    return rtf;
}

}  // namespace qv
