// The greet window `Form4` "Greet message": every 450 ms it compares the row
// count of the main window's channel user list `List1` with the count it saw last, and when
// the channel has grown it greets the user of the last row. It is also loaded unseen the
// first time the chat list is bound, because its hidden time button `Command3` stamps the
// chat mirror's welcome lines. Closing it only hides it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/change_field.h"
#include "core/form_state.h"
#include "core/timer.h"
#include "gamelink/send_paths.h"
#include "platform/platform.h"
#include "tools/status_words.h"
#include "tools/tool_window.h"

namespace qv {

constexpr int kGreetTickMs = 450;
constexpr const char* kGreetDefaultText =
    "/w %user Hello %user I'm using Dunmarrows Quorvane DI Zuvo! Its currently the %date and it "
    "is %time";

FormSpec Form4Layout();

// The main window's items the greeting uses.
struct GreetLinks {
    std::function<int()> user_count;               // List1's row count
    std::function<std::string(int row)> user_row;  // List1's row
    std::function<void(bool on)> user_copier;      // switches Timer6, which refills List1
    SendPaths* send = nullptr;                     // `time` and `send_Click`
    MainStatusLabel label5;                        // "Enabled" / "Disabled"
};

class Form4 : public ToolWindow {
  public:
    explicit Form4(Platform& platform);

    void Connect(GreetLinks links) { links_ = std::move(links); }

    void Form_Load() override;
    void Command1_Click();  // "Start"
    void Command2_Click();  // "Stop"
    void Form_QueryUnload();
    void Timer1_Timer();
    // The hidden time button: stores the time of day in the user's regional format.
    void Command3_Click();

    Timer Timer1;
    // The List1 count seen last, a 16-bit signed number as the window keeps it.
    int16_t LastUserCount = 0;
    // The welcome lines' time stamp; the window's hidden box `Text3` shows the same.
    TextField Text3{"Text3"};

  private:
    int UserCount() const;

    Platform& platform_;
    GreetLinks links_;
};

}  // namespace qv
