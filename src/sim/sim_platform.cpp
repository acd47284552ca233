#include "sim/sim_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace qv {
namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string ParentOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

}  // namespace

namespace {

std::map<std::string, std::string>::iterator FindName(std::map<std::string, std::string>& map,
                                                      const std::string& name) {
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (Lower(it->first) == Lower(name)) return it;
    }
    return map.end();
}

void Store(std::map<std::string, std::string>& map, const std::string& name,
           const std::string& value) {
    auto found = FindName(map, name);
    if (found != map.end()) {
        found->second = value;
    } else {
        map[name] = value;
    }
}

}  // namespace

std::optional<std::string> SimSettings::Read(const std::string& name) {
    auto user = FindName(user_values, name);
    if (user != user_values.end()) return user->second;
    auto machine = FindName(values, name);
    if (machine != values.end()) return machine->second;
    return std::nullopt;
}

bool SimSettings::Write(const std::string& name, const std::string& value) {
    if (!writable) return false;
    if (machine_refused) {
        Store(user_values, name, value);
        return true;
    }
    Store(values, name, value);
    auto user = FindName(user_values, name);
    if (user != user_values.end()) user_values.erase(user);
    return true;
}

bool SimFiles::FolderExists(const std::string& path) const {
    return std::find(folders.begin(), folders.end(), path) != folders.end();
}

bool SimFiles::CreateFolder(const std::string& path) {
    if (FolderExists(path)) return true;
    if (!FolderExists(ParentOf(path))) return false;
    folders.push_back(path);
    return true;
}

bool SimFiles::AppendToFile(const std::string& path, const std::string& bytes) {
    if (!FolderExists(ParentOf(path))) return false;
    files[path] += bytes;
    return true;
}

bool SimFiles::WriteFile(const std::string& path, const std::string& bytes) {
    if (!FolderExists(ParentOf(path))) return false;
    files[path] = bytes;
    return true;
}

bool SimFiles::ReplaceFile(const std::string& path, const std::string& bytes,
                           std::string* reason) {
    std::string why;
    if (auto refused = refusals.find(path); refused != refusals.end()) {
        why = refused->second;
    } else if (!FolderExists(ParentOf(path))) {
        why = "The system cannot find the path specified.";
    } else {
        files[path] = bytes;
        return true;
    }
    if (reason) *reason = why;
    return false;
}

int16_t SimKeyboard::GetAsyncKeyState(int32_t virtual_key) {
    queries.push_back(virtual_key);
    auto it = scripted.find(virtual_key);
    if (it == scripted.end() || it->second.empty()) return 0;
    const int16_t state = it->second.front();
    it->second.pop_front();
    return state;
}

std::string SimLocalClock::FormatTime(const LocalDateTime& when) {
    char buf[32];
    if (twelve_hour) {
        const int h = when.hour % 12 == 0 ? 12 : when.hour % 12;
        std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h, when.minute, when.second,
                      when.hour < 12 ? "AM" : "PM");
    } else {
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    }
    return buf;
}

}  // namespace qv
