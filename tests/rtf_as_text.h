// A saved RTF document opened as a word processor would open it: read into a rich-text
// control of its own, whose plain text (paragraphs separated by CR LF) is returned; nothing
// when the control does not take the document. Shared by the Wine tiers' tests.
#pragma once

#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "win32/win32_text.h"

namespace qv {

inline std::optional<std::string> RtfAsText(const std::string& rtf) {
    LoadLibraryW(L"Msftedit.dll");
    HWND reader = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 100, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!reader) return std::nullopt;
    SendMessageW(reader, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    struct Source {
        const std::string* text;
        size_t at;
    } source{&rtf, 0};
    auto read = [](DWORD_PTR cookie, LPBYTE bytes, LONG wanted, LONG* given) -> DWORD {
        auto* from = reinterpret_cast<Source*>(cookie);
        const size_t n = std::min(static_cast<size_t>(wanted), from->text->size() - from->at);
        std::copy_n(from->text->data() + from->at, n, bytes);
        from->at += n;
        *given = static_cast<LONG>(n);
        return 0;
    };
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, read};
    SendMessageW(reader, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    std::optional<std::string> text;
    if (stream.dwError == 0) {
        GETTEXTLENGTHEX query{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
        const LRESULT length =
            SendMessageW(reader, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
        std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
        const LRESULT copied = SendMessageW(reader, WM_GETTEXT, buffer.size(),
                                            reinterpret_cast<LPARAM>(buffer.data()));
        text = Narrow(std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0)));
    }
    DestroyWindow(reader);
    return text;
}

}  // namespace qv
