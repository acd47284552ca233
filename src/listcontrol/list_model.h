// The rows of the list control and its selection. Rows live in slots 1 to ListCount of an
// array whose slot 0 exists but holds no row; a new or cleared list has no array at all.
// The selection is a slot number, not a row: clearing, deleting, moving and sorting leave it
// where it is, so a host that rebuilds its list keeps the same slot selected.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "listcontrol/list_key.h"

namespace qv {

struct ItemEntry {
    std::string text;  // UTF-8, drawn as the row
    ListKey key;       // caller's data, never drawn
    int16_t icon = 0;  // number of the row's picture in the icon strip
};

class ListModel {
  public:
    int32_t ListCount() const { return has_array_ ? static_cast<int32_t>(slots_.size()) - 1 : 0; }
    // Slots held: ListCount + 1 while the array exists, else 0.
    size_t SlotCount() const { return slots_.size(); }
    bool HasArray() const { return has_array_; }

    int32_t SelectedSlot() const { return selected_slot_; }
    void SetSelectedSlot(int32_t slot) { selected_slot_ = slot; }

    // The entry in a slot, or nullptr when the slot lies outside the array.
    const ItemEntry* Slot(int32_t slot) const;

    void Add(std::string text, ListKey key, int16_t icon);
    void Clear();

    enum class DeleteOutcome { kCleared, kUnchanged, kRemoved };
    // Never raises: an empty array is cleared, an index past the last row changes nothing,
    // and an index of 0 or less removes the first row.
    DeleteOutcome Delete(int32_t index);

    // These raise ListError(kErrBadListIndex) for a slot outside 0..ListCount (slot 0, the
    // hidden one, is inside) and leave the rows as they were.
    void MoveEx(int32_t cur_index, int32_t new_index);
    void AppendItem(int32_t index, const std::string& item);
    void AppendKey(int32_t index, const ListKey& key);

    // These raise ListError(kErrSubscriptOutOfRange) for a slot outside the array.
    const std::string& ListItem(int32_t index) const;
    void SetListItem(int32_t index, std::string text);
    const ListKey& Key(int32_t index) const;
    void SetKey(int32_t index, ListKey key);

    bool ItemEquals(const std::string& item) const;
    bool KeyEquals(const ListKey& key) const;
    // The text of the selected slot; "" when that slot holds no row.
    std::string ItemSelectedText() const;

    // Exchange sort over the rows by lower-cased text: order 1 ascending, any other order
    // descending. Equal texts are never exchanged.
    void Sort(int32_t order);

  private:
    ItemEntry& CheckedSlot(int32_t index, int32_t error);

    std::vector<ItemEntry> slots_;
    bool has_array_ = false;
    int32_t selected_slot_ = 0;
};

}  // namespace qv
