#include "gamelink/send_paths.h"

namespace qv {

void SendPaths::GameClick(const TextField& box) { platform_.windows.Click(HandleOf(box)); }

void SendPaths::GameLine(const std::string& line) {
    platform_.windows.SetText(HandleOf(boxes_.text), line);
}

void SendPaths::Command1_Click() {
    GameLine(Text4.Get());
    GameClick(boxes_.button);
    esel_Click();
    Text4.Set("");
}

void SendPaths::Text4_KeyPress(int& KeyAscii) {
    if (KeyAscii != kKeyEnter || Text4.Get().empty()) return;
    KeyAscii = 0;
    GameLine(Text4.Get());
    GameClick(boxes_.button);
    Text4.Set("");
}

void SendPaths::SendBox(TextField& box) {
    GameLine(box.Get());
    GameClick(boxes_.button);
    box.Set("");
}

void SendPaths::send_Click() { SendBox(time); }
void SendPaths::send2_Click() { SendBox(time2); }
void SendPaths::send3_Click() { SendBox(time3); }

void SendPaths::SendNow(Outgoing box, const std::string& line) {
    switch (box) {
        case Outgoing::kTime:
            time.Set(line);
            send_Click();
            break;
        case Outgoing::kTime2:
            time2.Set(line);
            send2_Click();
            break;
        case Outgoing::kTime3:
            time3.Set(line);
            send3_Click();
            break;
    }
}

void SendPaths::SendLine(Outgoing box, std::string line) {
    if (held_) {
        waiting_.push_back({box, std::move(line)});
        return;
    }
    SendNow(box, line);
}

void SendPaths::ReleaseBoxes() {
    held_ = false;
    while (!held_ && !waiting_.empty()) {
        const WaitingLine next = std::move(waiting_.front());
        waiting_.pop_front();
        SendNow(next.box, next.line);
    }
}

void SendPaths::Command5_Click() {
    GameClick(boxes_.quit);
    platform_.process.EndProgram();
}

}  // namespace qv
