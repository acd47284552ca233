#include "chat/chat_pump.h"

#include "chat/colour_tags.h"
#include "core/number_text.h"
#include "gamelink/list_read.h"

namespace qv {

const char* const kWelcomeTexts[5] = {
    "Welcome to the Quorvane Starcraft Chat", "For updates visit",
    "quorvane.example.net/starcraft-chat",    "This programm was made by",
    "Dunmarrow aka Dunmarrow]Zelk[",
};

namespace {

// The welcome lines' time stamp shows yellow in the chat view, their text red.
constexpr std::string_view kWelcomeStampCode = GameColourCode("Gel");
constexpr std::string_view kWelcomeTextCode = GameColourCode("Red");

std::string WelcomeLine(const std::string& stamp, const char* text) {
    return std::string(kWelcomeStampCode) + stamp + ": " + std::string(kWelcomeTextCode) + text;
}

}  // namespace

ChatPump::ChatPump(Platform& platform, HandleBoxes& boxes, ChatPumpHooks hooks)
    : Timer2(platform.timers, "Timer2", kPumpPeriodMs),
      timerlistcount(platform.timers, "timerlistcount", kLineCounterDelayMs, true),
      platform_(platform),
      boxes_(boxes),
      hooks_(std::move(hooks)) {
    Timer2.SetHandler([this] { Timer2_Timer(); });
    timerlistcount.SetHandler([this] { timerlistcount_Timer(); });
    Text12.OnChange([this] { Text12_Change(); });
}

void ChatPump::list_Change() {
    ++generation_;
    count_pending_ = true;
    // A new chat list numbers its rows afresh, even when no reset came before it.
    List2_.clear();
    const std::string stamp = hooks_.welcome_stamp ? hooks_.welcome_stamp() : std::string();
    const WindowHandle list = HandleOf(boxes_.list);
    for (const char* text : kWelcomeTexts) {
        platform_.windows.ListAddString(list, WelcomeLine(stamp, text));
    }
    platform_.windows.ListSelectString(list, WelcomeLine(stamp, kWelcomeTexts[4]));
    timerlistcount.SetEnabled(true);
}

void ChatPump::timerlistcount_Timer() {
    const int count = platform_.windows.ListGetCount(HandleOf(boxes_.list));
    if (count == kNoAnswer) {
        // The count at binding numbers the mirror: it is asked again rather than taken as 0.
        timerlistcount.SetEnabled(true);
        return;
    }
    count_pending_ = false;
    // An unchanged count is still the count of this binding: the pump must run for it.
    if (!Text12.Set(DecimalText(count))) Text12_Change();
}

void ChatPump::Text12_Change() { Timer2.SetEnabled(true); }

void ChatPump::Timer2_Timer() {
    if (in_pass_ || count_pending_) return;
    const int n = platform_.windows.ListGetCount(HandleOf(boxes_.list));
    if (n <= 0) return;  // no rows, or no answer: the next pass asks again
    const int64_t count_at_binding = ParseNumber(Text12.Get(), INT32_MIN, INT32_MAX).value_or(0);
    const int64_t first = count_at_binding + MirrorCount() - kBacklogRows;
    const int64_t last = n - 1;
    if (first > last) return;

    in_pass_ = true;
    if (hooks_.begin_pass) hooks_.begin_pass();
    const uint64_t generation = generation_;
    for (int64_t i = first; i <= last; ++i) {
        std::string row;
        if (i >= 0) {
            auto read =
                ReadListBoxItem(platform_.windows, HandleOf(boxes_.list), static_cast<int>(i));
            // A game that does not answer keeps this row and the rest for a later pass:
            // taking them as empty would lose them.
            if (!read) break;
            row = std::move(*read);
        }
        if (generation != generation_) break;
        List2_.push_back(row);
        hooks_.set_line_box(row);
        if (generation != generation_) break;
    }
    if (hooks_.end_pass) hooks_.end_pass();
    in_pass_ = false;
}

void ChatPump::Kaunta_Change() {
    Timer2.SetEnabled(false);
    ++generation_;
    boxes_.list.Set("0");
    hooks_.clear_view();
    List2_.clear();
    hooks_.clear_staging();
    hooks_.clear_line_box();
}

void ChatPump::text_Change() {
    hooks_.clear_backlog();
    hooks_.clear_view();
}

}  // namespace qv
