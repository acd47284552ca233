#include "userlists/user_commands.h"

#include "core/replace_all.h"

namespace qv {

std::optional<std::string> UserNameOf(std::string_view row) {
    const size_t blank = row.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    const std::string_view name = row.substr(0, blank);
    if (HoldsLineBreak(name)) return std::nullopt;
    return std::string(name);
}

std::string NameWithBlankOf(std::string_view row) {
    const std::optional<std::string> name = UserNameOf(row);
    return name ? *name + " " : std::string();
}

UserCommands::UserCommands(FormState& form, UserListBox& ListBoxFX1, Timer& Timer10)
    : form_(form), ListBoxFX1_(ListBoxFX1), Timer10_(Timer10) {}

std::optional<std::string> UserCommands::SelectedUser() const {
    return UserNameOf(ListBoxFX1_.Control().ItemSelectedText());
}

void UserCommands::SendUserCommand(const std::string& prefix, bool refresh_after) {
    const std::optional<std::string> name = SelectedUser();
    if (!name) return;
    form_["Text4"].SetText(prefix + *name);
    // Pressed from code: the click runs, no mouse-down (so no close handler) comes with it.
    form_["Command1"].Click();
    if (refresh_after) Timer10_.SetEnabled(true);
}

void UserCommands::Command4_Click() {
    const std::optional<std::string> name = SelectedUser();
    // An empty name would make the first typed word the addressee.
    if (!name || name->empty()) return;
    FormControl& text4 = form_["Text4"];
    text4.SetText(kWhisperCommand + *name + " " + text4.Text());
    form_["Command1"].Click();
}

void UserCommands::ListBoxFX1_dblClick() {
    FormControl& text4 = form_["Text4"];
    text4.SetText(text4.Text() + NameWithBlankOf(ListBoxFX1_.Control().ItemSelectedText()));
}

}  // namespace qv
