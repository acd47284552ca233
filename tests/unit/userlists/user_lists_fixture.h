// The main window on the sim with a game in its chat screen, bound: the tests put rows into
// the game's channel and friends list boxes, move the clock, and look at the user lists, the
// game's windows and what was sent.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "listcontrol/list_events.h"
#include "sim/sim_game.h"
#include "sim/sim_platform.h"
#include "userlists/user_rows.h"

namespace qv {

// One entry of a user list: its text and icon.
struct UserEntry {
    std::string text;
    int icon;
    bool operator==(const UserEntry& o) const { return text == o.text && icon == o.icon; }
};
using UserEntries = std::vector<UserEntry>;
inline std::ostream& operator<<(std::ostream& out, const UserEntry& e) {
    return out << "{\"" << e.text << "\", " << e.icon << "}";
}

inline UserEntries EntriesOf(const ListBoxFX& list) {
    UserEntries entries;
    for (int32_t s = 1; s <= list.ListCount(); ++s) {
        entries.push_back({list.Model().Slot(s)->text, list.Model().Slot(s)->icon});
    }
    return entries;
}

inline std::vector<int> IconsOf(const ListBoxFX& list) {
    std::vector<int> icons;
    for (const UserEntry& e : EntriesOf(list)) icons.push_back(e.icon);
    return icons;
}

class UserListsTest : public ::testing::Test {
  protected:
    static constexpr WindowHandle kMainWindow = 0x7F00;
    static constexpr int kBindMs = 555;

    UserListsTest() {
        // The game shows its Channel tab: the friends list and its scroll bar are hidden.
        FriendsList().visible = false;
        FriendsScroll().visible = false;
    }

    // Builds the main window, runs its Load steps and, unless told not to, lets it bind the
    // game's chat screen.
    void Start(bool bind = true) {
        form = std::make_unique<Form1>(world.platform, world.chat_view);
        form->hWnd = kMainWindow;
        form->Start();
        if (bind) {
            world.clock.Advance(kBindMs);
            ASSERT_EQ(form->boxes.channel.Get(), std::to_string(game.Control(7)));
        }
    }

    SimWindow& Control(int row) { return world.windows.Get(game.Control(row)); }
    // The game stops answering (or answers again): every control of its chat screen.
    void Hang(bool hanging) {
        for (int row = 0; row < SimGame::kControlCount; ++row) Control(row).silent = hanging;
    }
    SimWindow& InputBox() { return Control(0); }
    SimWindow& ChannelTab() { return Control(1); }
    SimWindow& FriendsTab() { return Control(2); }
    SimWindow& ChannelList() { return Control(7); }
    SimWindow& FriendsList() { return Control(8); }
    SimWindow& ChannelName() { return Control(12); }
    SimWindow& ChannelScroll() { return Control(13); }
    SimWindow& FriendsScroll() { return Control(14); }

    ListBoxFX& Fx1() { return form->ListBoxFX1.Control(); }
    ListBoxFX& Fx2() { return form->ListBoxFX2.Control(); }
    FormControl& Text4() { return form->form["Text4"]; }

    // A shown row: the name, the TAB as 24 blanks, and the rest of the game's row.
    static std::string Shown(const std::string& name, const std::string& rest) {
        return name + std::string(24, ' ') + rest;
    }

    // The lines the game's input box received, in order.
    std::vector<std::string> SentLines() const {
        std::vector<std::string> lines;
        const std::string prefix = "WM_SETTEXT " + std::to_string(game.Control(0)) + " ";
        for (const std::string& line : world.windows.log) {
            if (line.rfind(prefix, 0) == 0) lines.push_back(line.substr(prefix.size()));
        }
        return lines;
    }
    int Count(const std::string& prefix) const {
        int n = 0;
        for (const auto& line : world.windows.log) n += line.rfind(prefix, 0) == 0;
        return n;
    }
    int Clicks(int row) { return Control(row).clicks; }

    // The row of ListBoxFX1 under a press at list height y: rows are 16 pixels high here.
    static float RowY(int row) { return static_cast<float>(row * 16 + 8); }

    // A right click on ListBoxFX1 at a row, then the system delivers the synthetic left press
    // and release that the release queued, at the same place.
    void RightClickRow(float y) {
        Fx1().ButtonDown(kButtonRight, 0, 20, y);
        Fx1().ButtonUp(kButtonRight, 0, 20, y);
        DeliverQueuedClicks(y);
    }
    void DeliverQueuedClicks(float y) {
        std::vector<uint32_t> events;
        events.swap(world.cursor.events);
        for (uint32_t flags : events) {
            if (flags == kMouseEventLeftDown) Fx1().ButtonDown(kButtonLeft, 0, 20, y);
            if (flags == kMouseEventLeftUp) Fx1().ButtonUp(kButtonLeft, 0, 20, y);
        }
    }

    SimWorld world;
    SimGame game{world.windows};
    std::unique_ptr<Form1> form;
};

}  // namespace qv
