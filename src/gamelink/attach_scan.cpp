#include "gamelink/attach_scan.h"

#include "core/number_text.h"

namespace qv {

WindowHandle HandleOf(const TextField& box) { return ParseInt32(box.Get()).value_or(0); }

AttachScan::AttachScan(Platform& platform, HandleBoxes& boxes)
    : Ti(platform.timers, "Ti", kScannerPeriodMs),
      Ti1(platform.timers, "Ti1", kChildListerPeriodMs),
      Ti2(platform.timers, "Ti2", kCandidateCheckPeriodMs),
      platform_(platform),
      boxes_(boxes) {
    Ti.SetHandler([this] { Ti_Timer(); });
    Ti1.SetHandler([this] { Ti1_Timer(); });
    Ti2.SetHandler([this] { Ti2_Timer(); });
}

void AttachScan::FormLoad() {
    platform_.process.SetPriorityClass(kBelowNormalPriorityClass);
    platform_.process.GetPriorityClass();  // read back and dropped, as at every start
    Command2_Click();
    if (scrollbars_off_) scrollbars_off_();
}

void AttachScan::Command2_Click() {
    for (WindowHandle window : platform_.windows.EnumTopLevelWindows()) {
        EW.push_back(WindowRow(window));
    }
    Ti.Wake();
}

std::string AttachScan::WindowRow(WindowHandle window) {
    // The handle as a signed number: a leading blank stands where a minus sign would.
    std::string row = window < 0 ? DecimalText(window) : " " + DecimalText(window);
    row += ' ';
    // The title fills a buffer of the reported length: a longer title is cut, a shorter
    // one leaves its terminator and the buffer's blanks behind it.
    const int n = platform_.windows.GetWindowTextLengthA(window);
    if (n > 0) {
        std::string buffer(static_cast<size_t>(n), ' ');
        const std::string title = platform_.windows.GetWindowTextA(window, n);
        buffer.replace(0, title.size(), title);
        if (title.size() < buffer.size()) buffer[title.size()] = '\0';
        row += platform_.codec.FromAnsi(buffer);
    }
    return row;
}

void AttachScan::ListChildWindows(WindowHandle window, std::vector<std::string>& target) {
    ChildHandles.assign(1, 0);
    target.clear();
    for (WindowHandle child : platform_.windows.EnumChildWindows(window)) {
        ChildHandles.back() = child;
        ChildHandles.push_back(0);
    }
    if (ChildHandles.size() < 2) return;
    for (size_t i = 0; i + 1 < ChildHandles.size(); ++i) {
        target.push_back(DecimalText(ChildHandles[i]));
    }
}

void AttachScan::Ti_Timer() {
    const int k = ParseInt16(Kaunta.Get()).value_or(0);
    const std::string row =
        (k >= 0 && k < static_cast<int>(EW.size())) ? EW[static_cast<size_t>(k)] : "";
    const bool hit =
        row.find("Brood War") != std::string::npos || row.find("Starcraft") != std::string::npos;
    if (hit && k >= 3) {
        // The same row keeps matching on every tick; arming a running check does not
        // restart its period, so the check still comes every 555 ms.
        handlebw = EW[static_cast<size_t>(k - 3)];
        Ti2.SetEnabled(true);
        // The next ticks would test the same row and arm the running check again: the
        // scanner rests until the check has run or the scan has moved.
        Ti.Rest();
        return;
    }
    Advance(k + 1);
}

void AttachScan::Advance(int row) {
    Ti.Wake();
    Kaunta.Set(DecimalText(row));
    if (row >= static_cast<int>(EW.size())) {
        EW.clear();
        Kaunta.Set("0");
        FormLoad();
    }
}

void AttachScan::Ti1_Timer() {
    // Only an untitled window's row converts; any other candidate leaves ECW as it was.
    const auto window = ParseInt32(handlebw);
    if (!window) return;
    ListChildWindows(*window, ECW);
}

void AttachScan::Ti2_Timer() {
    if (ECW.size() == static_cast<size_t>(kChatScreenControlCount)) {
        for (const GameControlMapEntry& entry : kGameControlMap) {
            (boxes_.*entry.box).Set(ECW[static_cast<size_t>(entry.row)]);
        }
    } else {
        const int k = ParseInt16(Kaunta.Get()).value_or(0);
        Kaunta.Set(DecimalText(k + 1));
    }
    Ti2.SetEnabled(false);
    Ti.Wake();
}

}  // namespace qv
