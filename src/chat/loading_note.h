// The loading note Text9 of the main window. It lies below the window's visible client area,
// so a player never sees it; the chat view's changes and the backlog view's change hide it.
#pragma once

#include "core/change_field.h"

namespace qv {

constexpr const char* kLoadingNoteText = "Please wait, while the Text is loading...";

struct LoadingNote {
    ChangeField<bool> Visible{true};
    void Hide() { Visible.Set(false); }
};

}  // namespace qv
