// A window's menu bar as data, like its controls (core/form_spec.h): the menus in order, each
// with its entries (control name, caption, check mark at load). `MenuState` holds the check
// marks and the entries' handlers; one piece of Win32 code builds any such table
// (src/win32/menu_bar.*) and hands the chosen entry back to the state.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct MenuEntrySpec {
    const char* name = "";     // the entry's control name, e.g. "Gmessage"
    const char* caption = "";  // UTF-8, exactly as shown
    bool checked = false;      // carries a check mark at load
    int id = 0;                // the command id the entry sends
};

struct MenuSpec {
    const char* name = "";
    const char* caption = "";
    std::vector<MenuEntrySpec> entries;
};

using MenuBarSpec = std::vector<MenuSpec>;

class MenuState {
  public:
    explicit MenuState(MenuBarSpec spec);
    MenuState(const MenuState&) = delete;
    MenuState& operator=(const MenuState&) = delete;

    const MenuBarSpec& Spec() const { return spec_; }

    // The entry's handler, run when the player picks it. Unknown names are a fault of the
    // program: they throw std::out_of_range.
    void OnClick(std::string_view entry, std::function<void()> handler);
    // What the player does: picks an entry by its name or its command id. False when there
    // is no such entry.
    bool Click(std::string_view entry);
    bool ClickId(int id);

    bool Checked(std::string_view entry) const;
    void SetChecked(std::string_view entry, bool checked);

    // The screen's listener: told of each check mark that changes.
    void SetViewListener(std::function<void(const MenuEntrySpec&, bool checked)> listener) {
        view_ = std::move(listener);
    }

  private:
    const MenuEntrySpec& Entry(std::string_view name) const;

    MenuBarSpec spec_;
    std::map<std::string, bool, std::less<>> checked_;
    std::map<std::string, std::function<void()>, std::less<>> handlers_;
    std::function<void(const MenuEntrySpec&, bool)> view_;
};

}  // namespace qv
