// cpu-floor-reader.exe: the least a companion must do to keep its copies of the game's lists,
// and nothing else, for tools/measure_cpu.sh to compare the companion's CPU with. Every 175 ms
// it copies the channel user list box (LB_GETCOUNT, then LB_GETTEXTLEN and LB_GETTEXT per
// row), every 200 ms it counts the chat list's rows (LB_GETCOUNT), and with "both" it also
// copies the friends list box every 800 ms. It has no window and runs until it is ended.
//
//   cpu-floor-reader.exe CHAT CHANNEL FRIENDS channel|both   (window handles as decimal numbers)
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT kChannelCopyMs = 175;
constexpr UINT kChatCountMs = 200;
constexpr UINT kFriendsCopyMs = 800;

HWND g_chat = nullptr;
HWND g_channel = nullptr;
HWND g_friends = nullptr;
std::vector<std::wstring> g_channel_rows;
std::vector<std::wstring> g_friend_rows;
LRESULT g_chat_count = 0;

void CopyRows(HWND list, std::vector<std::wstring>& rows) {
    rows.clear();
    const LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring row(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        const LRESULT got = length < 0 ? 0
                                       : SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                                      reinterpret_cast<LPARAM>(row.data()));
        row.resize(got > 0 && got <= length ? static_cast<size_t>(got) : 0);
        rows.push_back(std::move(row));
    }
}

void CALLBACK ChannelCopy(HWND, UINT, UINT_PTR, DWORD) { CopyRows(g_channel, g_channel_rows); }
void CALLBACK ChatCount(HWND, UINT, UINT_PTR, DWORD) {
    g_chat_count = SendMessageW(g_chat, LB_GETCOUNT, 0, 0);
}
void CALLBACK FriendsCopy(HWND, UINT, UINT_PTR, DWORD) { CopyRows(g_friends, g_friend_rows); }

HWND HandleArgument(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(std::wcstoll(text, nullptr, 10)));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 5) return 2;
    g_chat = HandleArgument(argv[1]);
    g_channel = HandleArgument(argv[2]);
    g_friends = HandleArgument(argv[3]);
    const bool both = std::wstring(argv[4]) == L"both";
    LocalFree(argv);

    SetTimer(nullptr, 0, kChannelCopyMs, ChannelCopy);
    SetTimer(nullptr, 0, kChatCountMs, ChatCount);
    if (both) SetTimer(nullptr, 0, kFriendsCopyMs, FriendsCopy);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
