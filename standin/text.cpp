#include "text.h"

#include <windows.h>

namespace standin {
namespace {

constexpr UINT kGameCodePage = 1252;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string UnescapeScriptText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            if (text[i + 1] == '\\') {
                out += '\\';
                ++i;
                continue;
            }
            if (text[i + 1] == 'x' && i + 3 < text.size()) {
                const int high = HexDigit(text[i + 2]);
                const int low = HexDigit(text[i + 3]);
                if (high >= 0 && low >= 0) {
                    out += static_cast<char>(high * 16 + low);
                    i += 3;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

std::string EscapeTranscriptText(const std::string& bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x20 || b >= 0x7F || b == '\\') {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

std::wstring WideFromCp1252(const std::string& bytes) {
    if (bytes.empty()) return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(kGameCodePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kGameCodePage, 0, bytes.data(), size, &out[0], n);
    return out;
}

std::string Cp1252FromWide(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    const int n =
        WideCharToMultiByte(kGameCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kGameCodePage, 0, text.data(), size, &out[0], n, nullptr, nullptr);
    return out;
}

}  // namespace standin
