// The transcript: one line per event, written straight to the file so a test that reads it
// while the stand-in runs sees each line as soon as it happens.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

class Transcript {
  public:
    Transcript() = default;
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;
    ~Transcript();

    // Appends to the file (created when missing). An empty path drops every event.
    bool Open(const std::wstring& path);

    // "event" on its own line.
    void Write(const std::string& event);
    // "event text", the text's cp1252 bytes with the transcript escapes.
    void Write(const std::string& event, const std::string& text);

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace standin
