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

void GameListUpkeep::ScrollBarRule(const TextField& list, const TextField& own,
                                   const TextField& other) {
    WindowSystem& windows = platform_.windows;
    if (windows.ListGetCount(HandleOf(list)) > kGameListRowsShown) {
        windows.ShowWindow(HandleOf(own), kShowNormal);
    }
    if (windows.ListGetCount(HandleOf(list)) > kGameListRowsShown) {
        windows.ShowWindow(HandleOf(other), kShowHide);
    }
    if (windows.ListGetCount(HandleOf(list)) < kGameListRowsShown) {
        windows.ShowWindow(HandleOf(own), kShowHide);
    }
}

void GameListUpkeep::SetGameScrollBars() {
    if (GameWindowVisible(boxes_.channel)) {
        ScrollBarRule(boxes_.channel, boxes_.scrollbarhandle, boxes_.scrollbarfreunde);
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
    if (views_.FriendsView()) views_.Option2_Click();
    if (views_.BothView()) views_.Option3_Click();
}

}  // namespace qv
