#include "app/menu_spec.h"

#include <stdexcept>

namespace qv {

MenuState::MenuState(MenuBarSpec spec) : spec_(std::move(spec)) {
    for (const MenuSpec& menu : spec_) {
        for (const MenuEntrySpec& entry : menu.entries) checked_[entry.name] = entry.checked;
    }
}

const MenuEntrySpec& MenuState::Entry(std::string_view name) const {
    for (const MenuSpec& menu : spec_) {
        for (const MenuEntrySpec& entry : menu.entries) {
            if (name == entry.name) return entry;
        }
    }
    throw std::out_of_range("no menu entry " + std::string(name));
}

void MenuState::OnClick(std::string_view entry, std::function<void()> handler) {
    handlers_[Entry(entry).name] = std::move(handler);
}

bool MenuState::Click(std::string_view entry) {
    for (const MenuSpec& menu : spec_) {
        for (const MenuEntrySpec& e : menu.entries) {
            if (entry != e.name) continue;
            auto handler = handlers_.find(entry);
            if (handler != handlers_.end() && handler->second) handler->second();
            return true;
        }
    }
    return false;
}

bool MenuState::ClickId(int id) {
    for (const MenuSpec& menu : spec_) {
        for (const MenuEntrySpec& e : menu.entries) {
            if (e.id == id) return Click(e.name);
        }
    }
    return false;
}

bool MenuState::Checked(std::string_view entry) const {
    auto found = checked_.find(entry);
    if (found == checked_.end()) throw std::out_of_range("no menu entry " + std::string(entry));
    return found->second;
}

void MenuState::SetChecked(std::string_view entry, bool checked) {
    const MenuEntrySpec& spec = Entry(entry);
    bool& mark = checked_[spec.name];
    if (mark == checked) return;
    mark = checked;
    if (view_) view_(spec, checked);
}

}  // namespace qv
