// The message history window Form6 as a table, and its per-control layout record
// `ControlLayout`, from which the window rescales its controls at every change of its size.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/form_table.h"

namespace qv {

constexpr const char* kHistoryCaption = "Message History";
constexpr const char* kHistoryLoadCaption =
    "Load Message History / This loads all the messages from the game";
constexpr const char* kHistorySaveCaption = "Save Message History";
constexpr const char* kHistoryNote =
    "Note: It can takes some seconds to load the Message History. (The program freeze in this "
    "time).";
// The design client area in twips, 9120 x 8370, is 608 x 558 pixels.
constexpr int kHistoryClientWidth = 608;
constexpr int kHistoryClientHeight = 558;
constexpr uint32_t kHistoryBackground = 0x00404040;
constexpr double kHistoryViewPoints = 9.75;  // Verdana

// Window ids of Form6's controls (tests find them from another process).
enum HistoryControlId : int {
    kIdHistoryRichTextBox1 = 6001,
    kIdHistoryCommand1 = 6002,  // Load
    kIdHistoryCommand2 = 6003,  // Save
    kIdHistoryText1 = 6004,
};

FormSpec Form6Layout();

// One control's record: seven 16-bit fields, in twips, rounded halves to even when stored; a
// field whose property the control lacks (or that does not fit) stays 0.
struct ControlLayout {
    int16_t Top = 0;
    int16_t Left = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    int16_t ParentScaleHeight = 0;  // the window's inner height at load
    int16_t ParentScaleWidth = 0;
    int16_t FontSize = 0;  // recorded, not used by the rescale
    bool operator==(const ControlLayout& o) const {
        return Top == o.Top && Left == o.Left && Width == o.Width && Height == o.Height &&
               ParentScaleHeight == o.ParentScaleHeight && ParentScaleWidth == o.ParentScaleWidth &&
               FontSize == o.FontSize;
    }
};

// A control's place as the layout reads and writes it (twips); a property the control does
// not have is empty (a timer has no width, height or font size; a frame no font size).
struct LayoutPlace {
    std::optional<double> top, left, width, height;
};

// SaveControlLayout for one control.
ControlLayout RecordControlLayout(const LayoutPlace& place, std::optional<double> font_size,
                                  double scale_height, double scale_width);

// ScaleControlLayout for one control: its place at the window's current inner size, computed
// in floating point from the record. A property the control does not have, or whose ratio
// cannot be formed (a recorded inner size of 0), stays empty: that assignment is skipped.
LayoutPlace ScaleControlLayout(const ControlLayout& record, const LayoutPlace& has,
                               double current_height, double current_width);

}  // namespace qv
