#include "app/form1.h"

namespace qv {

Form1::Form1(Platform& p)
    : platform(p),
      greet(p.clock),
      scan(p, boxes),
      send(p, boxes),
      pump(p, boxes, greet,
           ChatPumpHooks{
               [this](const std::string& row) { Text11.Set(row); },
               [this] { Text11.Set(""); },
               [this] {
                   if (clear_view) clear_view();
               },
               [this] {
                   if (clear_staging) clear_staging();
               },
               [this] { Text8.Set(""); },
           }),
      Timer11(p.timers, "Timer11", kStartupRestoreDelayMs, true) {
    scan.Kaunta.OnChange([this] { pump.Kaunta_Change(); });
    boxes.text.OnChange([this] { pump.text_Change(); });
    boxes.list.OnChange([this] { pump.list_Change(); });
    Text11.OnChange([this] {
        if (process_line) {
            process_line(Text11.Get());
        } else {
            Text11.Set("");
        }
    });
    scan.SetUserListScrollBarsOff([this] {
        if (user_list_scrollbars_off) user_list_scrollbars_off();
    });
    Timer11.SetHandler([this] {
        if (startup_restore) startup_restore();
    });
}

void Form1::Start() {
    scan.FormLoad();
    scan.Ti.SetEnabled(true);
    scan.Ti1.SetEnabled(true);
    scan.Ti2.SetEnabled(true);
    Timer11.SetEnabled(true);
}

}  // namespace qv
