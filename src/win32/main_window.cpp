#include "win32/main_window.h"

#include <commctrl.h>

#include "app/form1_menu.h"
#include "win32/capture_window.h"
#include "win32/history_window.h"
#include "win32/menu_bar.h"
#include "win32/user_list_windows.h"

#include "../../assets/resource_ids.h"
#include "app/skin_pictures.h"

namespace qv {

// The skins' picture numbers are the bitmaps' resource ids.
static_assert(kStarcraftPictures.background == IDB_SKIN_SC_BACKGROUND &&
              kStarcraftPictures.send == IDB_SKIN_SC_SEND &&
              kStarcraftPictures.whisper == IDB_SKIN_SC_WHISPER &&
              kStarcraftPictures.quit == IDB_SKIN_SC_QUIT &&
              kStarcraftPictures.channels == IDB_SKIN_SC_CHANNELS &&
              kStarcraftPictures.create == IDB_SKIN_SC_CREATE &&
              kStarcraftPictures.join == IDB_SKIN_SC_JOIN);
static_assert(kBluePictures.background == IDB_SKIN_BLUE_BACKGROUND &&
              kBluePictures.send == IDB_SKIN_BLUE_SEND &&
              kBluePictures.whisper == IDB_SKIN_BLUE_WHISPER &&
              kBluePictures.quit == IDB_SKIN_BLUE_QUIT &&
              kBluePictures.channels == IDB_SKIN_BLUE_CHANNELS &&
              kBluePictures.create == IDB_SKIN_BLUE_CREATE &&
              kBluePictures.join == IDB_SKIN_BLUE_JOIN);
static_assert(kSilverPictures.background == IDB_SKIN_SILVER_BACKGROUND &&
              kSilverPictures.send == IDB_SKIN_SILVER_SEND &&
              kSilverPictures.whisper == IDB_SKIN_SILVER_WHISPER &&
              kSilverPictures.quit == IDB_SKIN_SILVER_QUIT &&
              kSilverPictures.channels == IDB_SKIN_SILVER_CHANNELS &&
              kSilverPictures.create == IDB_SKIN_SILVER_CREATE &&
              kSilverPictures.join == IDB_SKIN_SILVER_JOIN);

void LoadControlLibraries() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // No dialog navigation: Enter must reach the typing box as a key.
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() = default;

bool MainWindow::Create(int show_command) {
    if (!window_.Create(nullptr, CW_USEDEFAULT, CW_USEDEFAULT, BuildMenuBar(Form1Menu()))) {
        return false;
    }
    HWND hwnd = window_.Handle();
    const RECT view = window_.Place("RichTextBox2");
    view_ = std::make_unique<RichChatView>(hwnd, kIdRichTextBox2, view.left, view.top,
                                           view.right - view.left, view.bottom - view.top);
    form_ = std::make_unique<Form1>(platform_.platform, *view_, layout_);
    view_->SetMouseHandlers([this] { form_->auto_scroll.SuspendAutoScroll(); },
                            [this] { form_->auto_scroll.ResumeAutoScroll(); });

    lists_ = CreateMainWindowLists(hwnd, kIdListBoxFX1, kIdListBoxFX2);
    // The Load steps switch both lists' own scroll bars off.
    form_->user_list_scrollbars_off = [this] {
        for (ListBoxFXWindow* list : {lists_.ListBoxFX1, lists_.ListBoxFX2}) {
            if (list) list->Control().SetScrollbar(false);
        }
    };
    WireUserLists();

    // Keys typed in the typing box go to its key handler first; a consumed key never
    // reaches the box.
    window_.SetControlHook("Text4", [this](UINT msg, WPARAM& wp, LPARAM, LRESULT* result) {
        if (msg != WM_CHAR) return false;
        int key = static_cast<int>(wp);
        form_->send.Text4_KeyPress(key);
        if (key == 0) {
            *result = 0;
            return true;
        }
        wp = static_cast<WPARAM>(key);
        return false;
    });
    window_.SetMessageHook([this](UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
        return OnMessage(msg, wp, lp, result);
    });
    // Closing the main window runs Form1's shut-down (Form_Unload), which ends the program.
    WireHistoryAndCapture();

    CreateToolWindows();

    // The Load steps run once the window and its controls exist, before it shows.
    form_->Start();
    ShowWindow(hwnd, show_command);
    UpdateWindow(hwnd);
    SetFocus(window_.Control("Text4"));
    return true;
}

bool MainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (OnHistoryMessage(msg, wp, lp, result)) return true;
    switch (msg) {
        case WM_QUERYENDSESSION:
            *result = TRUE;
            return true;
        case WM_ENDSESSION:
            // Logging off or shutting down Windows closes the window as its close box does:
            // the offline box is saved and the game gets its scroll bars and tab back.
            if (wp) form_->Form_Unload();
            *result = 0;
            return true;
        default:
            break;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        *result = 0;
        return true;
    }
    return false;
}

// ---- User lists and user commands ------------------------------------------------------

void MainWindow::WireUserLists() {
    HWND hwnd = window_.Handle();
    form_->hWnd = FromHwnd(hwnd);
    AttachUserListWindow(form_->ListBoxFX1, lists_.ListBoxFX1);
    AttachUserListWindow(form_->ListBoxFX2, lists_.ListBoxFX2);
    popup_window_ = std::make_unique<UserPopupWindow>(hwnd);
    form_->popup.SetScreen(popup_window_->Screen());
}

// ---- Tool windows and menu bar ---------------------------------------------------------

void MainWindow::CreateToolWindows() {
    tools_ = std::make_unique<ToolWindowsScreen>(*form_, window_.Handle());
    // Menu commands first, then the main window's own messages.
    window_.SetMessageHook([this](UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
        return tools_->OnMainMessage(msg, wp, lp, result) || OnMessage(msg, wp, lp, result);
    });
}

}  // namespace qv

// ---- Message history and handle capture ------------------------------------------

namespace qv {
namespace {

// Posted to the main window when a closed history window may be destroyed.
constexpr UINT kReleaseUnloadedWindows = WM_APP + 11;

}  // namespace

void MainWindow::WireHistoryAndCapture() {
    form_->open_history_screen = [](FormState& state) -> std::unique_ptr<Form6Screen> {
        auto window = std::make_unique<HistoryWindow>(state);
        if (!window->Create()) return nullptr;
        return window;
    };
    form_->open_capture_screen = [](FormState& state) -> std::unique_ptr<CaptureScreen> {
        auto window = std::make_unique<CaptureWindow>(state);
        if (!window->Create()) return nullptr;
        return window;
    };
    form_->release_later = [this] {
        PostMessageW(window_.Handle(), kReleaseUnloadedWindows, 0, 0);
    };
}

bool MainWindow::OnHistoryMessage(UINT msg, WPARAM, LPARAM, LRESULT* result) {
    if (msg == kReleaseUnloadedWindows) {
        form_->ReleaseUnloadedWindows();
        *result = 0;
        return true;
    }
    return false;
}

}  // namespace qv
