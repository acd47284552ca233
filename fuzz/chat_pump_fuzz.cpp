// Fuzzes the start of the chat road: the game's chat list fed with a fuzzed row over many
// passes of the pump (ChatPump), wired to the line processor, the staging box, the renderer
// and the chat view as the main window wires them, while the game hangs and answers again,
// the chat list is bound anew, the player holds the mouse in the view and the view fills up
// to the mark where its oldest rows leave. Every row must reach the line box once and in
// order, a pass must draw the view once for all its rows, and the view must keep its newest
// rows within its rows and spare rows (kChatViewRows, kChatViewSpareRows).
//
// Input: one switch byte, the row up to the first 0xFF byte, then the script: one byte a
// step, the step in the low three bits and its number above them; each step is followed by
// one pass of the pump (see PumpStep). 0xFF never occurs in UTF-8, so a seed reads
// "<switches><row>\xFF<script>". Switch bits: 0 name alert on, 1 hide offline friends,
// 2 logging on.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chat/chat_log.h"
#include "chat/chat_pump.h"
#include "chat/colour_renderer.h"
#include "chat/line_processor.h"
#include "chat/staging_box.h"
#include "core/number_text.h"
#include "fuzz_check.h"
#include "sim/sim_game.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

enum PumpStep : uint8_t {
    kAddRows,       // (number / 2 + 1) rows; an odd number puts a white code before each
    kGameHangs,     // the game stops answering
    kGameAnswers,   // and answers again
    kHangsMidPass,  // the game stops answering after `number` more list queries
    kMouseDown,     // the player holds the mouse in the view: its oldest rows stay
    kMouseUp,       // and lets go
    kFillView,      // earlier rows fill the view to `number` short of its trim mark
    kBindAnew,      // the game left its chat screen and came back: the list is bound anew
};
constexpr uint8_t kStepBits = 7;
constexpr int kNumberShift = 3;
constexpr size_t kMostSteps = 48;
constexpr const char* kWelcomeStamp = "21:05:09";

// The view as the base view drives it, with what it was asked to do counted: the paragraphs
// appended since it was last emptied (those trimmed away too), the trims, and whether its
// drawing is held. The sim view takes the oldest away, so the count it holds tells which.
class RecordedChatView : public SimChatView {
  public:
    size_t appended = 0;
    int trims = 0;
    bool drawing_held = false;

  protected:
    void DoClear() override {
        appended = 0;
        SimChatView::DoClear();
    }
    void DoAppendParagraph(const ColouredText& text) override {
        ++appended;
        SimChatView::DoAppendParagraph(text);
    }
    void DoRemoveOldestParagraphs(int count) override {
        // The view asks to take away only rows it holds, and only while drawing is held.
        FUZZ_CHECK(count > 0 && static_cast<size_t>(count) <= paragraphs.size());
        FUZZ_CHECK(drawing_held);
        ++trims;
        SimChatView::DoRemoveOldestParagraphs(count);
    }
    void DoHoldDrawing() override { drawing_held = true; }
    void DoDraw() override {
        drawing_held = false;
        SimChatView::DoDraw();
    }
};

// The most rows the view holds after a change made while it may trim.
constexpr size_t kViewMostRows = static_cast<size_t>(kChatViewRows + kChatViewSpareRows);

// The view keeps the newest rows: at least the rows it keeps of those it was given, and,
// when its last change came while it could trim, no more than its rows and spare rows (a
// player who lets go of the mouse is followed by the next change).
void CheckViewKeepsNewest(const RecordedChatView& view, bool trimmed_at_last_change) {
    const size_t shown = view.paragraphs.size();
    FUZZ_CHECK(shown <= view.appended);
    FUZZ_CHECK(shown >= std::min(view.appended, static_cast<size_t>(kChatViewRows)));
    if (trimmed_at_last_change) FUZZ_CHECK(shown <= kViewMostRows);
}

class PumpRoad {
  public:
    PumpRoad(AlertWords& words, bool alert_enabled, bool hide_offline, bool logging)
        : log_(world_.files, world_.local_clock, world_.codec),
          pump_(world_.platform, boxes_,
                ChatPumpHooks{
                    .set_line_box =
                        [this](const std::string& row) {
                            handed_.push_back(row);
                            Text11_.Set(row);
                        },
                    .clear_line_box = [this] { Text11_.Set(""); },
                    .clear_view = [this] { view_.Clear(); },
                    .clear_staging = [this] { staging_.Replace(""); },
                    .clear_backlog = [] {},
                    .welcome_stamp = [] { return std::string(kWelcomeStamp); },
                    .begin_pass = [this] { BeginPass(); },
                    .end_pass = [this] { EndPass(); },
                }),
          renderer_(view_, [this] { pump_.Timer2.SetEnabled(true); }),
          staging_(renderer_),
          processor_(LineProcessorServices{world_.sound, tone_, words, log_},
                     LineProcessorHooks{
                         .alert_enabled = [alert_enabled] { return alert_enabled; },
                         .count_at_binding = [this] { return pump_.Text12.Get(); },
                         .mirror_count = [this] { return pump_.MirrorCount(); },
                         .hide_offline = [hide_offline] { return hide_offline; },
                         .logging_on = [logging] { return logging; },
                         .stage = [this](const std::string& text) { staging_.Replace(text); },
                         .clear_line_box = [this] { Text11_.Set(""); },
                     }) {
        tone_.Assign({'R', 'I', 'F', 'F'});
        Text11_.OnChange([this] { processor_.Text11_Change(Text11_.Get()); });
        view_.KeepNewest(kChatViewRows, kChatViewSpareRows, [this] { return !mouse_held_; });
        view_.OnChange([this] {
            if (in_pass_) ++changes_in_pass_;
            // The bound at every change; after each step the view is looked at whole.
            may_trim_at_last_change_ = !mouse_held_;
            if (may_trim_at_last_change_) FUZZ_CHECK(view_.paragraphs.size() <= kViewMostRows);
        });
        boxes_.list.OnChange([this] {
            handed_.clear();
            pump_.list_Change();
        });
        world_.windows.before_list_query = [this](WindowHandle, int) {
            if (hang_after_ >= 0 && hang_after_-- == 0) game_.ChatList().silent = true;
        };
        Bind();
    }

    void Run(const std::string& row, const std::string& script) {
        for (size_t i = 0; i < script.size() && i < kMostSteps; ++i) {
            Step(row, static_cast<uint8_t>(script[i]));
            Pass();
        }
        if (script.empty()) {
            game_.AddChatRow(row);
            Pass();
        }
        // The game answers again and the player lets go: every row comes through.
        hang_after_ = -1;
        game_.ChatList().silent = false;
        mouse_held_ = false;
        world_.clock.Advance(kLineCounterDelayMs + 2 * kPumpPeriodMs);
        CheckAfterStep();
        CheckHandedOnceInOrder();
    }

  private:
    void Bind() { boxes_.list.Set(DecimalText(static_cast<int64_t>(game_.Control(9)))); }

    void Step(const std::string& row, uint8_t step) {
        const int number = step >> kNumberShift;
        switch (static_cast<PumpStep>(step & kStepBits)) {
            case kAddRows:
                for (int i = 0; i <= number / 2; ++i) {
                    game_.AddChatRow(number % 2 ? "\x10" + row : row);
                }
                break;
            case kGameHangs:
                game_.ChatList().silent = true;
                break;
            case kGameAnswers:
                game_.ChatList().silent = false;
                break;
            case kHangsMidPass:
                hang_after_ = number;
                break;
            case kMouseDown:
                mouse_held_ = true;
                trims_at_mouse_down_ = view_.trims;
                break;
            case kMouseUp:
                mouse_held_ = false;
                break;
            case kFillView: {
                const size_t target = kViewMostRows - static_cast<size_t>(number);
                // Empty paragraphs cost the sim view no memory of their own. A trim ends the
                // fill: the view may take its oldest away once it reaches the mark itself.
                const int trims = view_.trims;
                view_.BeginBatch();
                while (view_.paragraphs.size() < target && view_.trims == trims) {
                    view_.AppendParagraph({});
                }
                view_.EndBatch();
                break;
            }
            case kBindAnew:
                pump_.Kaunta_Change();
                Bind();
                break;
        }
    }

    void Pass() {
        world_.clock.Advance(kPumpPeriodMs);
        CheckAfterStep();
    }

    // A pass of the pump never overlaps another, and the view draws once for all its rows.
    void BeginPass() {
        FUZZ_CHECK(!in_pass_);
        in_pass_ = true;
        changes_in_pass_ = 0;
        draws_at_begin_ = view_.draws;
        view_.BeginBatch();
    }
    void EndPass() {
        view_.EndBatch();
        FUZZ_CHECK(in_pass_);
        in_pass_ = false;
        FUZZ_CHECK(!view_.drawing_held);
        FUZZ_CHECK(view_.draws == draws_at_begin_ + (changes_in_pass_ > 0 ? 1 : 0));
    }

    void CheckAfterStep() {
        FUZZ_CHECK(!in_pass_ && !view_.drawing_held);
        CheckViewKeepsNewest(view_, may_trim_at_last_change_);
        if (mouse_held_) FUZZ_CHECK(view_.trims == trims_at_mouse_down_);
        FUZZ_CHECK(pump_.List2() == handed_);
    }

    // Since the last binding every row went to the line box once, in the game's order, from
    // the backlog before the count at binding on (empty rows standing for rows before the
    // first).
    void CheckHandedOnceInOrder() {
        const auto count = ParseNumber(pump_.Text12.Get(), INT32_MIN, INT32_MAX);
        FUZZ_CHECK(count.has_value());
        const std::vector<std::string>& rows = game_.ChatList().rows;
        FUZZ_CHECK(*count <= static_cast<int64_t>(rows.size()));
        std::vector<std::string> expected;
        for (int64_t i = *count - kBacklogRows; i < static_cast<int64_t>(rows.size()); ++i) {
            expected.push_back(i < 0 ? std::string() : rows[static_cast<size_t>(i)]);
        }
        FUZZ_CHECK(handed_ == expected);
    }

    SimWorld world_;
    SimGame game_{world_.windows};
    HandleBoxes boxes_;
    RecordedChatView view_;
    AlertToneImage tone_;
    ChatLog log_;
    TextField Text11_;
    ChatPump pump_;
    ColourRenderer renderer_;
    StagingBox staging_;
    LineProcessor processor_;
    std::vector<std::string> handed_;  // the rows handed to the line box since the binding
    bool mouse_held_ = false;
    bool may_trim_at_last_change_ = true;
    int trims_at_mouse_down_ = 0;
    int hang_after_ = -1;
    bool in_pass_ = false;
    int changes_in_pass_ = 0;
    int draws_at_begin_ = 0;
};

// Alert words that a row may hold.
class FixedAlertWords : public AlertWords {
  public:
    std::string AlertWord(int index) override { return index == 0 ? "zelk" : ""; }
};

// Splits the input into its switches, row and script and runs the road.
void RunInput(std::string_view input) {
    if (input.empty()) return;
    const auto switches = static_cast<uint8_t>(input[0]);
    std::string_view row = input.substr(1);
    std::string_view script;
    if (const size_t cut = row.find('\xFF'); cut != std::string_view::npos) {
        script = row.substr(cut + 1);
        row = row.substr(0, cut);
    }
    FixedAlertWords words;
    PumpRoad(words, switches & 1, switches & 2, switches & 4)
        .Run(std::string(row), std::string(script));
}

}  // namespace
}  // namespace qv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::RunInput({reinterpret_cast<const char*>(data), size});
    return 0;
}
