// The row members of ListBoxFX: each changes the model and redraws where it must.
#include "listcontrol/listboxfx.h"

#include <limits>

#include "listcontrol/list_error.h"

namespace qv {

ListBoxFX::ListBoxFX(ListCanvas& canvas) : canvas_(canvas) { canvas_.SetFont(settings_.Font); }

void ListBoxFX::AddItem(const std::string& Item, ListKey Key, int16_t Icon) {
    model_.Add(Item, std::move(Key), Icon);
    // Only the new row is drawn, so a rebuild of N rows costs N row drawings.
    DrawItem(model_.ListCount());
    canvas_.Refresh();
}

void ListBoxFX::AppendItem(int32_t Index, const std::string& Item) {
    model_.AppendItem(Index, Item);
    RedrawList();
}

void ListBoxFX::AppendKey(int32_t Index, const ListKey& Key) {
    model_.AppendKey(Index, Key);
    RedrawList();
}

void ListBoxFX::Clear() {
    model_.Clear();
    canvas_.Clear(TranslateColor(settings_.BackColor));
    RedrawList();
}

void ListBoxFX::Delete(int32_t Index) {
    switch (model_.Delete(Index)) {
        case ListModel::DeleteOutcome::kCleared:
            Clear();
            break;
        case ListModel::DeleteOutcome::kRemoved:
            RedrawList();
            break;
        case ListModel::DeleteOutcome::kUnchanged:
            break;
    }
}

void ListBoxFX::MoveEx(int32_t CurIndex, int32_t NewIndex) {
    model_.MoveEx(CurIndex, NewIndex);
    RedrawList();
}

void ListBoxFX::SetListIndex(int32_t Index) {
    // The highest index has no slot number, so it fails like a negative one.
    if (Index < 0 || Index == std::numeric_limits<int32_t>::max()) {
        throw ListError(kErrBadListIndex);
    }
    model_.SetSelectedSlot(Index + 1);
    RedrawList();
    RaiseChange();
}

void ListBoxFX::SetListItem(int32_t Index, const std::string& vItem) {
    model_.SetListItem(Index, vItem);
    RedrawList();
}

void ListBoxFX::SetKey(int32_t Index, const ListKey& vKey) {
    model_.SetKey(Index, vKey);
    RedrawList();
}

void ListBoxFX::SortItems(int32_t order) { model_.Sort(order); }

void ListBoxFX::RaiseChange() {
    if (events_) events_->Change();
}

void ListBoxFX::Notice(const char* name) {
    if (events_) events_->PropertyChanged(name);
}

void ListBoxFX::FrameChanged() {
    if (frame_listener_) frame_listener_();
}

}  // namespace qv
