#include "win32/tool_windows.h"

#include "win32/resource_pictures.h"
#include "win32/win32_text.h"

namespace qv {
namespace {

// Tool windows open a little right of and below the main window's top-left corner, each
// loaded window a step further, so none hides another completely.
constexpr int kToolOffsetX = 140;
constexpr int kToolOffsetY = 80;
constexpr int kToolCascadeStep = 28;
constexpr int kToolCascadeSteps = 5;

}  // namespace

std::unique_ptr<FormWindow> MakeToolWindow(FormState& state, int x, int y) {
    auto window = std::make_unique<FormWindow>(state, [](int id) { return ResourcePicture(id); });
    // Modeless and without an owner.
    if (!window->Create(nullptr, x, y)) return nullptr;
    return window;
}

ToolWindowsScreen::ToolWindowsScreen(Form1& form, HWND main) : form_(form), main_(main) {
    menu_.Bind(main, form.menu);
    shell_.SetOwner(main);
    form.shell = &shell_;
    form.form_loaded = [this](FormState& state) { Loaded(state); };
    form.form_unloaded = [this](FormState& state) { Unloaded(state); };
}

ToolWindowsScreen::~ToolWindowsScreen() {
    form_.form_loaded = nullptr;
    form_.form_unloaded = nullptr;
    form_.shell = nullptr;
    windows_.clear();
}

void ToolWindowsScreen::Loaded(FormState& state) {
    RECT main{};
    GetWindowRect(main_, &main);
    const int step = kToolCascadeStep * (loads_++ % kToolCascadeSteps);
    auto window =
        MakeToolWindow(state, main.left + kToolOffsetX + step, main.top + kToolOffsetY + step);
    if (!window) {
        // Its settings stay in the program; the player is told the window did not open.
        const std::wstring text =
            L"The window \"" + Widen(state.Caption()) + L"\" could not be opened.";
        MessageBoxW(main_, text.c_str(), Widen(kMainCaption).c_str(), MB_OK | MB_ICONERROR);
    }
    windows_[&state] = std::move(window);
}

void ToolWindowsScreen::Unloaded(FormState& state) {
    // Called from the window's own handler (its close button or close box): destroying it
    // here is the way of a modeless window, and nothing of it runs afterwards.
    windows_.erase(&state);
}

bool ToolWindowsScreen::OnMainMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (msg != WM_COMMAND || !menu_.OnCommand(wp, lp)) return false;
    *result = 0;
    return true;
}

}  // namespace qv
