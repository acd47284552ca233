#include "win32/main_window.h"

#include <commctrl.h>

#include "win32/win32_text.h"

namespace qv {
namespace {

const wchar_t kMainClass[] = L"QuorvaneChatMain";
constexpr COLORREF kBackgroundColour = RGB(12, 14, 24);
constexpr COLORREF kTypingText = RGB(255, 255, 255);
constexpr COLORREF kTypingBack = RGB(0, 0, 0);

// Verdana 9.75 pt at the screen's resolution.
HFONT CreateVerdana(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    const int height = -MulDiv(975, GetDeviceCaps(dc, LOGPIXELSY), 7200);
    ReleaseDC(hwnd, dc);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"Verdana");
}

std::string WindowTextOf(HWND hwnd) {
    const int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return Narrow(text);
}

}  // namespace

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() {
    if (font_) DeleteObject(font_);
    if (background_) DeleteObject(background_);
    if (typing_background_) DeleteObject(typing_background_);
}

bool MainWindow::Create(int show_command) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    background_ = CreateSolidBrush(kBackgroundColour);
    typing_background_ = CreateSolidBrush(kTypingBack);
    wc.hbrBackground = background_;
    wc.lpszClassName = kMainClass;
    if (!RegisterClassExW(&wc)) return false;

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT rect{0, 0, kMainClientWidth, kMainClientHeight};
    AdjustWindowRect(&rect, style, FALSE);
    const std::wstring caption = Widen(kMainCaption);
    hwnd_ = CreateWindowExW(0, kMainClass, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                            rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                            wc.hInstance, this);
    if (!hwnd_ || !form_) return false;
    // The Load steps run once the window and its controls exist, before it shows.
    form_->Start();
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
    return true;
}

HWND MainWindow::AddControl(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x,
                            int y, int w, int h) {
    HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    return control;
}

void MainWindow::CreateControls() {
    font_ = CreateVerdana(hwnd_);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    view_ = std::make_unique<RichChatView>(hwnd_, kIdRichTextBox2, 136, 16, 433, 468);
    form_ = std::make_unique<Form1>(platform_.platform, *view_);
    view_->SetMouseHandlers([this] { form_->auto_scroll.SuspendAutoScroll(); },
                            [this] { form_->auto_scroll.ResumeAutoScroll(); });

    lists_ = CreateMainWindowLists(hwnd_, kIdListBoxFX1, kIdListBoxFX2);
    // The Load steps switch both lists' own scroll bars off.
    form_->user_list_scrollbars_off = [this] {
        for (ListBoxFXWindow* list : {lists_.ListBoxFX1, lists_.ListBoxFX2}) {
            if (list) list->Control().SetScrollbar(false);
        }
    };

    text4_ = AddControl(L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, kIdText4, 136, 496,
                        433, 33);
    SetWindowSubclass(text4_, TypingBoxProc, 1, reinterpret_cast<DWORD_PTR>(this));
    AddControl(L"BUTTON", L"Send", BS_PUSHBUTTON, kIdCommand1, 584, 501, 81, 30);
    AddControl(L"BUTTON", L"Create", BS_PUSHBUTTON, kIdCommand7, 12, 364, 102, 50);
    AddControl(L"BUTTON", L"Join", BS_PUSHBUTTON, kIdCommand8, 12, 420, 102, 50);
    AddControl(L"BUTTON", L"Quit", BS_PUSHBUTTON, kIdCommand5, 12, 476, 102, 50);

    // The loading note lies below the client area, so a player never sees it; it is hidden
    // as soon as the logic says so.
    const std::wstring note = Widen(kLoadingNoteText);
    text9_ = AddControl(L"EDIT", note.c_str(), WS_BORDER | ES_AUTOHSCROLL, kIdText9, 136,
                        kMainClientHeight + 8, 433, 24);
    auto show_text9 = [this] {
        ShowWindow(text9_, form_->Text9.Visible.Get() ? SW_SHOWNA : SW_HIDE);
    };
    form_->Text9.Visible.OnChange(show_text9);
    show_text9();

    // The typing box is emptied by the send paths: show what the logic holds.
    form_->send.Text4.OnChange([this] {
        if (syncing_text4_) return;
        const std::wstring text = Widen(form_->send.Text4.Get());
        syncing_text4_ = true;
        SetWindowTextW(text4_, text.c_str());
        syncing_text4_ = false;
    });
    SetFocus(text4_);
}

void MainWindow::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case kIdText4:
            if (code == EN_CHANGE && !syncing_text4_) {
                syncing_text4_ = true;
                form_->send.Text4.Set(WindowTextOf(control));
                syncing_text4_ = false;
            }
            break;
        case kIdCommand1:
            if (code == BN_CLICKED) form_->send.Command1_Click();
            break;
        case kIdCommand7:
            if (code == BN_CLICKED) form_->send.Command7_Click();
            break;
        case kIdCommand8:
            if (code == BN_CLICKED) form_->send.Command8_Click();
            break;
        case kIdCommand5:
            if (code == BN_CLICKED) form_->send.Command5_Click();
            break;
        default:
            break;
    }
}

LRESULT CALLBACK MainWindow::TypingBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                           DWORD_PTR data) {
    auto* self = reinterpret_cast<MainWindow*>(data);
    if (msg == WM_CHAR) {
        int key = static_cast<int>(wp);
        self->form_->send.Text4_KeyPress(key);
        if (key == 0) return 0;  // consumed: the edit control never sees it
        wp = static_cast<WPARAM>(key);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK MainWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    MainWindow* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Handle(msg, wp, lp);
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lp) == text4_) {
                HDC dc = reinterpret_cast<HDC>(wp);
                SetTextColor(dc, kTypingText);
                SetBkColor(dc, kTypingBack);
                return reinterpret_cast<LRESULT>(typing_background_);
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace qv
