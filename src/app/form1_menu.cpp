#include "app/form1_menu.h"

namespace qv {

MenuBarSpec Form1Menu() {
    return {
        {"File", "File", {{"exit", "Exit", false, kMenuExit}}},
        {"Message",
         "Message",
         {{"Gmessage", "Greet Message", false, kMenuGmessage},
          {"TMessage", "Time Message", false, kMenuTMessage}}},
        {"NAlert",
         "Name Alert",
         {{"namealertfun", "Open Name Alert window", false, kMenuNamealertfun}}},
        {"Histroy",
         "Show Message History",
         {{"Mhistroy", "This show all messages from the game", false, kMenuMhistroy}}},
        {"Style",
         "Style",
         {{"scstyle", "Starcraft Style", true, kMenuScstyle},
          {"bluestyle", "Blue Style", false, kMenuBluestyle},
          {"silver", "Silver Style", false, kMenuSilver}}},
        {"chatlog",
         "Chat Logging",
         {{"enab", "Enable", false, kMenuEnab}, {"disab", "Disable", true, kMenuDisab}}},
        {"Help", "Help", {{"hp", "HomePage / How to use it", false, kMenuHp}}},
    };
}

}  // namespace qv
