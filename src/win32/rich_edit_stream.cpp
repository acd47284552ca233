#include "win32/rich_edit_stream.h"

#include <richedit.h>

#include <cstring>

namespace qv {
namespace {

struct Source {
    const char* data;
    size_t size;
    bool utf16;  // whole UTF-16 units, never ending between CR and LF or in a pair
    size_t at = 0;
};

// How many of the next `n` bytes go in this piece.
size_t WholeUnits(const Source& source, size_t n) {
    if (!source.utf16) return n;
    n -= n % sizeof(wchar_t);
    if (n < 2 * sizeof(wchar_t) || source.at + n >= source.size) return n;
    wchar_t last = 0, next = 0;
    std::memcpy(&last, source.data + source.at + n - sizeof(wchar_t), sizeof(wchar_t));
    std::memcpy(&next, source.data + source.at + n, sizeof(wchar_t));
    const bool split_pair = last == L'\r' && next == L'\n';
    const bool split_surrogate = last >= 0xD800 && last <= 0xDBFF;
    return split_pair || split_surrogate ? n - sizeof(wchar_t) : n;
}

DWORD CALLBACK Give(DWORD_PTR cookie, LPBYTE bytes, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<Source*>(cookie);
    const size_t left = source->size - source->at;
    const size_t n =
        WholeUnits(*source, left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted));
    std::memcpy(bytes, source->data + source->at, n);
    source->at += n;
    *given = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK Take(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* taken) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(bytes),
                                                   static_cast<size_t>(count));
    *taken = count;
    return 0;
}

}  // namespace

void StreamIntoControl(HWND control, const char* data, size_t size, UINT format) {
    Source source{data, size, (format & SF_UNICODE) != 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, Give};
    SendMessageW(control, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
}

std::string StreamOutOfControl(HWND control, UINT format) {
    std::string out;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&out), 0, Take};
    SendMessageW(control, EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
    return out;
}

}  // namespace qv
