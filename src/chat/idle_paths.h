// Three more ways into the staging box, the chat view and the hidden backlog view. Nothing in
// normal use starts them: no step writes Text2 or switches Timer7 or Timer33 on, and Timera
// polls two empty texts. They are kept so the main window behaves the same when one is fed.
#pragma once

#include <string>

#include "chat/chat_view.h"
#include "chat/loading_note.h"
#include "chat/staging_box.h"
#include "core/change_field.h"
#include "core/timer.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"

namespace qv {

constexpr int kBlockPollMs = 200;      // Timer3
constexpr int kBlockCopyMs = 50;       // Timerlol
constexpr int kBacklogFillMs = 200;    // Timer7
constexpr int kBacklogPollMs = 100;    // Timera, the only one on from load
constexpr int kViewCopyMs = 600;       // Timer33
constexpr int kBlockMaxLines = 80;     // a longer block is dropped
constexpr int kBacklogFillRows = 150;  // the game's last rows that Timer7 reads

class IdleHandOffPaths {
  public:
    IdleHandOffPaths(Platform& platform, HandleBoxes& boxes, StagingBox& staging, ChatView& view,
                     LoadingNote& loading_note);

    // Switches on the timer that runs from load (Timera).
    void Start();

    // Block path: Text2 -> Text1 (Timer3) -> Text7 (Timerlol) -> the staging box.
    void Text2_Change();
    void Timer3_Timer();
    void Text1_Change();
    void Timerlol_Timer();
    void Text7_Change();

    // Backlog path: the game's last rows -> texta (Timer7) -> Text8 (Timera).
    void Timer7_Timer();
    void texta_Change();
    void Timera_Timer();
    void Text8_Change();
    void EnableTimera();

    // View copy: the staging box's content becomes the view's whole content.
    void Timer33_Timer();

    TextField Text2;
    TextField Text1;
    TextField Text7;
    TextField texta;
    TextField Text8;  // the hidden backlog view; the chat mirror empties it with the view
    // Caret positions in UTF-16 units, as the text boxes count them.
    int Text1_SelStart = 0;
    int Text8_SelStart = 0;

    Timer Timer3;
    Timer Timerlol;
    Timer Timer7;
    Timer Timera;
    Timer Timer33;

  private:
    Platform& platform_;
    HandleBoxes& boxes_;
    StagingBox& staging_;
    ChatView& view_;
    LoadingNote& loading_note_;
};

}  // namespace qv
