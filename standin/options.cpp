#include "options.h"

#include <cwchar>

namespace standin {
namespace {

bool ParsePosition(const std::wstring& text, int* x, int* y) {
    wchar_t tail = 0;
    return swscanf(text.c_str(), L"%d,%d%lc", x, y, &tail) == 2;
}

}  // namespace

bool ParseOptions(int argc, wchar_t** argv, Options* options, std::wstring* error) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring flag = argv[i];
        if (flag == L"--unicode-chat") {
            options->unicode_chat = true;
            continue;
        }
        if (i + 1 >= argc) {
            *error = L"missing value after " + flag;
            return false;
        }
        const std::wstring value = argv[++i];
        if (flag == L"--title") {
            options->title = value;
        } else if (flag == L"--pos") {
            if (!ParsePosition(value, &options->x, &options->y)) {
                *error = L"--pos wants X,Y, got " + value;
                return false;
            }
        } else if (flag == L"--script") {
            options->script = value;
        } else if (flag == L"--init") {
            options->init = value;
        } else if (flag == L"--transcript") {
            options->transcript = value;
        } else if (flag == L"--handles") {
            options->handles = value;
        } else if (flag == L"--name") {
            options->name = value;
        } else {
            *error = L"unknown option " + flag;
            return false;
        }
    }
    return true;
}

}  // namespace standin
