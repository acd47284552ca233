// The processor of one chat line, run when the pump hands a row to the line box Text11:
// name alert, offline filter, colour tags, chat log, and the hand-over to the staging box.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "chat/alert_tone.h"
#include "chat/chat_log.h"
#include "chat/name_alert.h"
#include "platform/sound.h"

namespace qv {

// What the processor reads from, and writes to, the rest of the main window.
struct LineProcessorHooks {
    // Label11 reads "Enabled".
    std::function<bool()> alert_enabled;
    // The text of Text12: the game's row count at binding, as decimal text.
    std::function<std::string()> count_at_binding;
    // List2's row count; it already counts the row being processed.
    std::function<int64_t()> mirror_count;
    // Check1 ("Hide offline friends") is ticked.
    std::function<bool()> hide_offline;
    // The Chat Logging menu's Enable item is checked.
    std::function<bool()> logging_on;
    // Replaces the staging box RichTextBox1's content, which runs the renderer.
    std::function<void(const std::string&)> stage;
    // Text11 := "".
    std::function<void()> clear_line_box;
};

struct LineProcessorServices {
    SoundPlayer& sound;
    const AlertToneImage& tone;
    AlertWords& words;
    ChatLog& log;
};

class LineProcessor {
  public:
    LineProcessor(LineProcessorServices services, LineProcessorHooks hooks)
        : services_(services), hooks_(std::move(hooks)) {}

    // Processes the line Text11 now holds; an empty line does nothing. The line is tested for
    // the alert as received and again after every colour step that changed it, tagged, logged
    // once and staged; then Text11 is emptied and, when a step changed the line, the staging
    // box too.
    void Text11_Change(const std::string& line);

  private:
    void AlertCheck(const std::string& text);

    LineProcessorServices services_;
    LineProcessorHooks hooks_;
};

}  // namespace qv
