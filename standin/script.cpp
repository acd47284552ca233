#include "script.h"

#include <windows.h>

#include <cstdlib>

#include "text.h"

namespace standin {
namespace {

constexpr long kMostNumberedRows = 1000000;

bool ParseCount(const std::string& text, int* count) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < 0 || value > kMostNumberedRows) return false;
    *count = static_cast<int>(value);
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

// Runs the command; false when the line is not a valid command.
bool Dispatch(const std::string& command, const std::string& argument, ChatScreen* screen,
              Transcript* transcript) {
    const std::wstring text = WideFromCp1252(UnescapeScriptText(argument));
    UserList list = UserList::kChannel;
    int count = 0;
    if (command == "chat") {
        screen->AddChatRow(text);
    } else if (command == "chatn") {
        if (!ParseCount(argument, &count)) return false;
        screen->AddNumberedChatRows(count);
    } else if (command == "join" || command == "friend") {
        screen->AddUser(command == "join" ? UserList::kChannel : UserList::kFriends, text);
    } else if (command == "leave" || command == "unfriend") {
        screen->RemoveUser(command == "leave" ? UserList::kChannel : UserList::kFriends, text);
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
        transcript->Write("error", WideFromCp1252(line));
    }
    return CommandResult::kDone;
}

}  // namespace standin
