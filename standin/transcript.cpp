#include "transcript.h"

#include "text.h"

namespace standin {

Transcript::~Transcript() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool Transcript::Open(const std::wstring& path) {
    if (path.empty()) return true;
    // Readers hold the file open while we write, so share everything.
    file_ = CreateFileW(path.c_str(), FILE_APPEND_DATA,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file_ != INVALID_HANDLE_VALUE;
}

void Transcript::Write(const std::string& event) {
    if (file_ == INVALID_HANDLE_VALUE) return;
    // One WriteFile per line: no user-space buffer, so the line is visible at once.
    const std::string line = event + "\n";
    DWORD written = 0;
    WriteFile(file_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void Transcript::Write(const std::string& event, const std::string& text) {
    Write(event + " " + EscapeTranscriptText(text));
}

}  // namespace standin
