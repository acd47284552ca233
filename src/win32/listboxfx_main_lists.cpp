#include "win32/listboxfx_main_lists.h"

#include <string>

#include "../../assets/resource_ids.h"

namespace qv {

namespace {

ListBoxFXWindow* CreateFromResource(HWND parent, int control_id, int resource_id, bool visible) {
    size_t length = 0;
    const char* text = StoredSettingsText(resource_id, &length);
    if (!text) return nullptr;
    const PropertyBag stored = PropertyBag::FromText(std::string(text, length));
    return ListBoxFXWindow::Create(parent, control_id, kMainListLeft, kMainListTop, kMainListWidth,
                                   kMainListHeight, visible, &stored);
}

}  // namespace

const char* StoredSettingsText(int resource_id, size_t* length) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resource_id), MAKEINTRESOURCEW(10));
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return nullptr;
    *length = SizeofResource(module, found);
    return static_cast<const char*>(LockResource(loaded));
}

MainWindowLists CreateMainWindowLists(HWND parent, int list1_id, int list2_id) {
    MainWindowLists lists;
    lists.ListBoxFX1 = CreateFromResource(parent, list1_id, IDR_LISTBOXFX1_PROPS, true);
    lists.ListBoxFX2 = CreateFromResource(parent, list2_id, IDR_LISTBOXFX2_PROPS, false);
    return lists;
}

}  // namespace qv
