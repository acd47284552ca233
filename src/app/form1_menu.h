// The main window's menu bar as a table: its menus, entries, captions and check marks.
#pragma once

#include "app/menu_table.h"

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

MenuBarTable Form1Menu();

// The maker's home page, opened by "HomePage / How to use it" (an address of our
// choosing): the page the welcome lines name.
constexpr const char* kHomePage = "http://quorvane.example.net/starcraft-chat";

}  // namespace qv
