// The main window's menu bar (Part 1.104's menu tree) as a table.
#pragma once

#include "app/menu_spec.h"

namespace qv {

// Command ids of the menu entries, also used by tests that drive the window from another
// process.
enum MainMenuId : int {
    kMenuExit = 4001,
    kMenuGmessage = 4011,
    kMenuTMessage = 4012,
    kMenuNamealertfun = 4021,
    kMenuMhistroy = 4031,
    kMenuScstyle = 4041,
    kMenuBluestyle = 4042,
    kMenuSilver = 4043,
    kMenuEnab = 4051,
    kMenuDisab = 4052,
    kMenuHp = 4061,
};

MenuBarSpec Form1Menu();

// The maker's home page, opened by "HomePage / How to use it" (the Part leaves the address to
// us): the page the welcome lines name.
constexpr const char* kHomePage = "http://quorvane.example.net/starcraft-chat";

}  // namespace qv
