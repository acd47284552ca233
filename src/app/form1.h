// The main window's logic: it owns the run. It binds the game (attach scan), types into it
// (send paths), mirrors its chat (pump, processor, view) and keeps the shared hidden
// fields through which those steps hand work to each other.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chat/alert_tone.h"
#include "chat/chat_log.h"
#include "chat/chat_log_switch.h"
#include "chat/chat_pump.h"
#include "chat/chat_scroll.h"
#include "chat/chat_view.h"
#include "chat/colour_renderer.h"
#include "chat/history_window.h"
#include "chat/idle_paths.h"
#include "chat/line_processor.h"
#include "chat/loading_note.h"
#include "chat/staging_box.h"
#include "core/change_field.h"
#include "core/form_state.h"
#include "core/timer.h"
#include "gamelink/attach_scan.h"
#include "gamelink/capture_window.h"
#include "gamelink/game_control_map.h"
#include "gamelink/send_paths.h"
#include "platform/platform.h"
#include "tools/greet_window.h"
#include "userlists/channel_user_list.h"
#include "userlists/friend_list.h"
#include "userlists/game_list_upkeep.h"
#include "userlists/user_commands.h"
#include "userlists/user_list_box.h"
#include "userlists/user_list_views.h"
#include "userlists/user_popup.h"
#include "userlists/user_popup_opener.h"
// Tool windows and menu bar
#include "app/form1_menu.h"
#include "platform/shell.h"
#include "tools/channel_window.h"
#include "tools/name_alert_window.h"
#include "tools/status_words.h"
#include "tools/time_messages_window.h"

namespace qv {

constexpr const char* kMainCaption = "Quorvane StarCraft Chat | Version 2.61 - By Dunmarrow";
constexpr int kStartupRestoreDelayMs = 1;

class Form1 {
  public:
    // `view` is the visible chat view RichTextBox2. `form` holds the state of the window's
    // table of controls (Form1Layout); without one the form keeps its own.
    Form1(Platform& platform, ChatView& view);
    Form1(Platform& platform, ChatView& view, FormState& form);
    virtual ~Form1() = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Runs the Load steps and switches on the timers that run from load.
    void Start();

    // The start-up restore, once, 1 ms after start: keeps the design-time pictures, brings
    // back the skin, "Hide offline friends" and the logging switch, renders the alert tone and
    // loads the name alert window hidden (form1_settings.cpp).
    void Timer11_Timer();

  private:
    // The handlers of the window's table controls.
    void WireControls();

  public:
    // Where the pump's rows go and what empties the view; wired to the chat mirror, and
    // replaceable by tests that look at the pump alone.
    std::function<void(const std::string&)> process_line;
    std::function<void()> clear_view;
    std::function<void()> clear_staging;
    // The user lists' scroll bars are switched off by the Load steps.
    std::function<void()> user_list_scrollbars_off;

  private:
    Form1(Platform& platform, ChatView& view, std::unique_ptr<FormState> own);
    std::unique_ptr<FormState> own_form_;

  public:
    Platform& platform;
    FormState& form;  // the window's controls as its table gives them
    HandleBoxes boxes;
    Form4 greet;
    AttachScan scan;
    SendPaths send;
    ChatPump pump;
    TextField Text11;  // the line box: a chat line handed to it is processed at once
    TextField Label11{kMainDisabled};  // the name alert's status; the alert runs on "Enabled"
    // The name alert window (with the tool windows below), declared before the line
    // processor, which reads its eight word boxes; it sets Label11.
    Form8 name_alert{platform.settings,
                     [this](bool on) { Label11.Set(on ? kMainEnabled : kMainDisabled); }};
    Timer Timer11;

    ChatView& RichTextBox2;
    AlertToneImage AlertToneImage_;
    ChatLog chat_log;
    ChatLogSwitch log_switch;
    ColourRenderer renderer;
    StagingBox RichTextBox1;  // the hidden staging box every shown text passes through
    LoadingNote Text9;        // hidden by the view's changes and the backlog view's change
    ChatAutoScroll auto_scroll;
    LineProcessor processor;
    IdleHandOffPaths idle;  // block, backlog and view-copy paths that nothing feeds today

    // ---- User lists and user commands ----
    // `List1`: the raw rows of the game's channel user list box, in the game's order, copied
    // every 175 ms by `Timer6` (channel_users.Timer6, which the greet window pauses); also
    // read by the greet window.
    std::vector<std::string> List1;
    // The main window's handle, as GetActiveWindow answers it (set by the window).
    WindowHandle hWnd = 0;
    UserListBox ListBoxFX1{true};   // channel users
    UserListBox ListBoxFX2{false};  // friends, hidden at start in the same place
    ChannelUserList channel_users{platform, boxes, List1, form["Label1"], ListBoxFX1};
    FriendList friends{platform,       boxes,      form["Check1"],
                       form["Label9"], ListBoxFX2, channel_users.Text3};
    UserListViews views{platform, form, ListBoxFX1, ListBoxFX2, friends};
    GameListUpkeep upkeep{platform, boxes, views, [this] { return hWnd; }};
    UserCommands user_commands{form, ListBoxFX1, channel_users.Timer10};
    Form7 popup{platform, [this] { return ListBoxFX1.Control().ItemSelectedText(); },
                PopupActions{
                    .send_user_command =
                        [this](const std::string& prefix, bool refresh_after) {
                            user_commands.SendUserCommand(prefix, refresh_after);
                        },
                    .press_whisper = [this] { form["Command4"].Click(); },
                    .press_send = [this] { form["Command1"].Click(); },
                }};
    UserPopupOpener opener{platform, ListBoxFX1, popup};

    // Unloads the user pop-up when it is loaded.
    void CloseUserPopup() { popup.Unload(); }

  private:
    void WireUserLists();
    void StartUserLists();
    // ---- Tool windows and menu bar ----
    // Wired in form1_tools.cpp. Each tool window is the program's single instance, loaded on
    // first use; the channel window is made anew on each opening.
  public:
    void exit_Click();          // File, Exit: ends at once, nothing saved
    void Gmessage_Click();      // shows the greet window
    void TMessage_Click();      // shows the timed-messages window
    void namealertfun_Click();  // shows the name alert window
    void Command6_Click();      // the channel picture button: opens the channel window
    void hp_Click();            // opens the home page
    void enab_Click();          // Chat Logging, Enable
    void disab_Click();         // Chat Logging, Disable

    MenuState menu{Form1Menu()};
    Form3 time_messages{platform, send, [this](bool on) { ShowMainStatus(form["Label6"], on); }};
    std::unique_ptr<FormChannel> channel;  // null while the channel window is not loaded
    ShellOpener* shell = nullptr;          // the home page's opener; none: nothing opens
    // Told when a tool window is loaded (the screen makes its window) and unloaded.
    std::function<void(FormState&)> form_loaded;
    std::function<void(FormState&)> form_unloaded;

  private:
    void WireTools();
    void SyncLogMenuChecks();
    std::string ChannelCaption();  // the caption of Label1, the game's channel name
    void LoadedToolWindow(FormState& window);
    std::unique_ptr<FormChannel> unloaded_channel_;  // let go at the next opening

    // ---- Settings restore, shut-down and skins (form1_settings.cpp, form1_skins.cpp) ----
  public:
    // Closing the main window: saves "Hide offline friends", gives the game's list scroll
    // bars the 13-row rule, leaves the game on its Channel tab and ends the program.
    void Form_Unload();
    // The Style menu: each writes its value, sets the check marks, places Send and Whisper
    // and shows the skin's pictures from their boxes. The same skin again repeats every step.
    void scstyle_Click();
    void bluestyle_Click();
    void silver_Click();

  private:
    struct Skin;
    void WireSettings();
    void WireSkins();
    void ApplySkin(const Skin& skin);

    // ---- Message history (Form6) and handle capture (Form2) ----
    // Wired in form1_history.cpp and form1_capture.cpp.
  public:
    // The menu entry "This show all messages from the game" and the hidden button Command3
    // (which nothing presses): show the history window, loading it on first use; a window
    // that is open keeps its contents.
    void Mhistroy_Click();
    void Command3_Click();
    // The capture's hot key, every 5 ms while switched on: INSERT starts a capture. Timer5 is
    // off at start and nothing in the program switches it on; tests do, through Timer5.
    void Timer5_Timer();
    Timer Timer5{platform.timers, "Timer5", kCaptureTriggerMs};

    // The loaded windows; null while not loaded.
    Form6* LoadedForm6() { return history_ ? history_->form.get() : nullptr; }
    FormState* LoadedForm6State() { return history_ ? history_->state.get() : nullptr; }
    Form2* LoadedForm2() { return capture_ && capture_->Loaded() ? capture_.get() : nullptr; }

    // Makes the screen of a history window being loaded (the Win32 window with its view, in
    // tests a sim view); without one the window does not open.
    std::function<std::unique_ptr<Form6Screen>(FormState&)> open_history_screen;
    // Makes the hidden window of the capture when it loads; without one it has no window.
    Form2::ScreenMaker open_capture_screen;
    // Asks for ReleaseUnloadedWindows once the message being handled is done (a closed
    // window must not be destroyed inside its own close handling).
    std::function<void()> release_later;
    // Destroys the history window that was closed.
    void ReleaseUnloadedWindows() { unloaded_history_.reset(); }

  private:
    void WireHistory();
    void WireCapture();
    void UnloadForm6();
    Form2& LoadForm2();
    std::unique_ptr<Form6Instance> history_;
    std::unique_ptr<Form6Instance> unloaded_history_;
    std::unique_ptr<Form2> capture_;
};

}  // namespace qv
