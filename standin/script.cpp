#include "script.h"

#include <windows.h>

#include <cstdlib>

#include "text.h"

namespace standin {
namespace {

constexpr long kMostNumberedRows = 1000000;
constexpr long kMostHangMs = 60000;

bool ParseNumber(const std::string& text, long most, int* number) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < 0 || value > most) return false;
    *number = static_cast<int>(value);
    return true;
}

bool ParseCount(const std::string& text, int* count) {
    return ParseNumber(text, kMostNumberedRows, count);
}

// "A B": two counts separated by one space.
bool ParseTwoCounts(const std::string& text, int* first, int* second) {
    const size_t space = text.find(' ');
    return space != std::string::npos && ParseCount(text.substr(0, space), first) &&
           ParseCount(text.substr(space + 1), second);
}

// "read|count chat|channel|friends MS [AFTER]": a hang trap on one of the three lists.
bool ParseHangOn(const std::string& text, ChatScreen* screen) {
    std::vector<std::string> words;
    for (size_t begin = 0; begin <= text.size();) {
        size_t end = text.find(' ', begin);
        if (end == std::string::npos) end = text.size();
        words.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    if (words.size() < 3 || words.size() > 4) return false;
    HangTrap::Moment moment = HangTrap::Moment::kTextRead;
    if (words[0] == "count") {
        moment = HangTrap::Moment::kAfterCount;
    } else if (words[0] != "read") {
        return false;
    }
    int index = kChatList;
    if (words[1] == "channel") {
        index = kChannelList;
    } else if (words[1] == "friends") {
        index = kFriendsList;
    } else if (words[1] != "chat") {
        return false;
    }
    int ms = 0;
    int after = 0;
    if (!ParseNumber(words[2], kMostHangMs, &ms)) return false;
    if (words.size() == 4 && !ParseCount(words[3], &after)) return false;
    screen->HangOn(moment, index, ms, after);
    return true;
}

bool ParseUserList(const std::string& text, UserList* list) {
    if (text == "channel") {
        *list = UserList::kChannel;
    } else if (text == "friends") {
        *list = UserList::kFriends;
    } else {
        return false;
    }
    return true;
}

// Runs the command; false when the line is not a valid command. The commands:
//   chat TEXT              adds a chat row (TEXT with \xNN escapes, kept as cp1252 bytes)
//   chatn N                adds N numbered rows "<code>Player<i><code>: hello number <i>"
//   burst FIRST N          adds the generated rows FIRST .. FIRST+N-1 at once (row_generator.h)
//   long-row LENGTH        adds the next LongRow of LENGTH characters; at most 1,000 in an ANSI
//                          chat list, far more with --unicode-chat
//   fill-chat N            adds numbered rows until the chat list holds N rows
//   join / leave TEXT      adds a user row to, or removes a name from, the channel list
//   friend / unfriend TEXT the same for the friends list
//   users channel|friends N  adds N generated user rows in the game's form (user_rows.h)
//   channel TEXT           sets the channel name (shown with the user count, "Clan QV (3)")
//   leave-chat             leaves the chat screen: its 18 controls go, another screen's come
//   enter-chat             returns: 18 new controls holding the rows the game kept
//   show-tab channel|friends, scrollbar channel|friends show|hide, clear chat|channel|friends
//   hang MS                stops answering messages for MS milliseconds (at most 60,000),
//                          between the transcript lines "hang begins" and "hang ends"
//   hang-on read|count chat|channel|friends MS [AFTER]
//                          the same hang, beginning at the next text read of that list (after
//                          AFTER reads have passed) or just after its next count is answered
//                          (after AFTER counts); once
//   mark TEXT              writes "mark TEXT" to the transcript
bool Dispatch(const std::string& command, const std::string& argument, ChatScreen* screen,
              Transcript* transcript) {
    const std::string text = UnescapeScriptText(argument);
    UserList list = UserList::kChannel;
    int count = 0;
    int first = 0;
    if (command == "chat") {
        screen->AddChatRow(text);
    } else if (command == "chatn") {
        if (!ParseCount(argument, &count)) return false;
        screen->AddNumberedChatRows(count);
    } else if (command == "burst") {
        if (!ParseTwoCounts(argument, &first, &count)) return false;
        screen->AddGeneratedRows(first, count);
    } else if (command == "long-row") {
        if (!ParseCount(argument, &count)) return false;
        return screen->AddLongRow(count);
    } else if (command == "fill-chat") {
        if (!ParseCount(argument, &count)) return false;
        screen->FillChat(count);
    } else if (command == "hang") {
        if (!ParseNumber(argument, kMostHangMs, &count)) return false;
        screen->Hang(count);
    } else if (command == "hang-on") {
        return ParseHangOn(argument, screen);
    } else if (command == "join" || command == "friend") {
        screen->AddUser(command == "join" ? UserList::kChannel : UserList::kFriends, text);
    } else if (command == "leave" || command == "unfriend") {
        screen->RemoveUser(command == "leave" ? UserList::kChannel : UserList::kFriends, text);
    } else if (command == "users") {
        const size_t space = argument.find(' ');
        if (space == std::string::npos || !ParseUserList(argument.substr(0, space), &list) ||
            !ParseCount(argument.substr(space + 1), &count)) {
            return false;
        }
        screen->AddGeneratedUsers(list, count);
    } else if (command == "channel") {
        screen->SetChannelName(text);
    } else if (command == "leave-chat") {
        screen->LeaveChat();
    } else if (command == "enter-chat") {
        screen->EnterChat();
    } else if (command == "show-tab") {
        if (!ParseUserList(argument, &list)) return false;
        screen->ShowTab(list);
    } else if (command == "scrollbar") {
        const size_t space = argument.find(' ');
        if (space == std::string::npos || !ParseUserList(argument.substr(0, space), &list)) {
            return false;
        }
        const std::string state = argument.substr(space + 1);
        if (state != "show" && state != "hide") return false;
        screen->SetScrollBarShown(list, state == "show");
    } else if (command == "clear") {
        if (argument == "chat") {
            screen->ClearChat();
        } else if (ParseUserList(argument, &list)) {
            screen->ClearUsers(list);
        } else {
            return false;
        }
    } else if (command == "mark") {
        transcript->Write("mark", text);
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> ScriptFile::TakeNewLines(bool include_unfinished) {
    std::vector<std::string> lines;
    if (path_.empty()) return lines;
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lines;
    LARGE_INTEGER start;
    start.QuadPart = static_cast<LONGLONG>(offset_);
    std::string data;
    if (SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) {
        char buffer[65536];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
            data.append(buffer, got);
        }
    }
    CloseHandle(file);

    size_t taken = data.rfind('\n');
    taken = taken == std::string::npos ? 0 : taken + 1;
    if (include_unfinished) taken = data.size();
    offset_ += taken;
    size_t begin = 0;
    while (begin < taken) {
        size_t end = data.find('\n', begin);
        if (end == std::string::npos || end > taken) end = taken;
        std::string line = data.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        begin = end + 1;
    }
    return lines;
}

CommandResult RunCommand(const std::string& line, ChatScreen* screen, Transcript* transcript) {
    if (line.empty() || line[0] == '#') return CommandResult::kDone;
    const size_t space = line.find(' ');
    const std::string command = line.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
    if (command == "exit") return CommandResult::kExit;
    if (!Dispatch(command, argument, screen, transcript)) {
        transcript->Write("error", line);
    }
    return CommandResult::kDone;
}

}  // namespace standin
