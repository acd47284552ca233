#include "app/form1_menu.h"

namespace qv {

MenuBarTable Form1Menu() {
    return {
        {.name = "File",
         .caption = "File",
         .entries = {{.name = "exit", .caption = "Exit", .id = kMenuExit}}},
        {.name = "Message",
         .caption = "Message",
         .entries = {{.name = "Gmessage", .caption = "Greet Message", .id = kMenuGmessage},
                     {.name = "TMessage", .caption = "Time Message", .id = kMenuTMessage}}},
        {.name = "NAlert",
         .caption = "Name Alert",
         .entries = {{.name = "namealertfun",
                      .caption = "Open Name Alert window",
                      .id = kMenuNamealertfun}}},
        {.name = "Histroy",
         .caption = "Show Message History",
         .entries = {{.name = "Mhistroy",
                      .caption = "This show all messages from the game",
                      .id = kMenuMhistroy}}},
        {.name = "Style",
         .caption = "Style",
         .entries = {{.name = "scstyle",
                      .caption = "Starcraft Style",
                      .checked = true,
                      .id = kMenuScstyle},
                     {.name = "bluestyle", .caption = "Blue Style", .id = kMenuBluestyle},
                     {.name = "silver", .caption = "Silver Style", .id = kMenuSilver}}},
        {.name = "chatlog",
         .caption = "Chat Logging",
         .entries = {{.name = "enab", .caption = "Enable", .id = kMenuEnab},
                     {.name = "disab", .caption = "Disable", .checked = true, .id = kMenuDisab}}},
        {.name = "Help",
         .caption = "Help",
         .entries = {{.name = "hp", .caption = "HomePage / How to use it", .id = kMenuHp}}},
    };
}

}  // namespace qv
