#include "userlists/game_list_upkeep.h"

namespace qv {

GameListUpkeep::GameListUpkeep(Platform& platform, HandleBoxes& boxes, UserListViews& views,
                               std::function<WindowHandle()> main_window)
    : Timer12(platform.timers, "Timer12", kGameListUpkeepPeriodMs),
      platform_(platform),
      boxes_(boxes),
      views_(views),
      main_window_(std::move(main_window)) {
    Timer12.SetHandler([this] { Timer12_Timer(); });
}

bool GameListUpkeep::GameWindowVisible(const TextField& box) {
    return (platform_.windows.GetStyle(HandleOf(box)) & kStyleVisible) != 0;
}

bool GameListUpkeep::ScrollBarRule(const TextField& list, const TextField& own,
                                   const TextField& other) {
    struct Test {
        bool above;  // true: count above 13; false: below
        const TextField& bar;
        int command;
    };
    const Test tests[] = {
        {true, own, kShowNormal}, {true, other, kShowHide}, {false, own, kShowHide}};
    WindowSystem& windows = platform_.windows;
    for (const Test& test : tests) {
        const int n = windows.ListGetCount(HandleOf(list));
        // A count the game did not answer is no count: its bars are not touched (a hanging
        // program's window can also hold up the one who shows or hides it).
        if (n == kNoAnswer) return false;
        if (test.above ? n > kGameListRowsShown : n < kGameListRowsShown) {
            windows.ShowWindow(HandleOf(test.bar), test.command);
        }
    }
    return true;
}

void GameListUpkeep::SetGameScrollBars() {
    if (GameWindowVisible(boxes_.channel)) {
        if (!ScrollBarRule(boxes_.channel, boxes_.scrollbarhandle, boxes_.scrollbarfreunde)) {
            return;
        }
    }
    if (!GameWindowVisible(boxes_.channel)) {
        ScrollBarRule(boxes_.Text13, boxes_.scrollbarfreunde, boxes_.scrollbarhandle);
    }
}

void GameListUpkeep::SetGameScrollBarsOnce() {
    if (GameWindowVisible(boxes_.channel)) {
        ScrollBarRule(boxes_.channel, boxes_.scrollbarhandle, boxes_.scrollbarfreunde);
    } else {
        ScrollBarRule(boxes_.Text13, boxes_.scrollbarfreunde, boxes_.scrollbarhandle);
    }
}

void GameListUpkeep::KeepGameTabs() {
    const WindowHandle active = platform_.windows.GetActiveWindow();
    const WindowHandle main = main_window_ ? main_window_() : 0;
    if (active != 0 && active == main) {
        if (GameWindowVisible(boxes_.channel)) {
            channelaktiv = "1";
            platform_.windows.Click(HandleOf(boxes_.handlefreunde));
        }
    } else if (channelaktiv == "1") {
        platform_.windows.Click(HandleOf(boxes_.handlekanal));
        channelaktiv = "0";
    }
}

void GameListUpkeep::Timer12_Timer() {
    SetGameScrollBars();
    KeepGameTabs();
    views_.RefreshFromGame();
}

}  // namespace qv
