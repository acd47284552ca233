#include "listcontrol/list_model.h"

#include <algorithm>
#include <utility>

#include "listcontrol/list_error.h"
#include "listcontrol/text_fold.h"

namespace qv {

const ItemEntry* ListModel::Slot(int32_t slot) const {
    if (slot < 0 || static_cast<size_t>(slot) >= slots_.size()) return nullptr;
    return &slots_[static_cast<size_t>(slot)];
}

ItemEntry& ListModel::CheckedSlot(int32_t index, int32_t error) {
    if (index < 0 || static_cast<size_t>(index) >= slots_.size()) throw ListError(error);
    return slots_[static_cast<size_t>(index)];
}

void ListModel::Add(std::string text, ListKey key, int16_t icon) {
    if (!has_array_) slots_.emplace_back();  // the hidden slot 0
    has_array_ = true;
    slots_.push_back(ItemEntry{std::move(text), std::move(key), icon});
}

void ListModel::Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    has_array_ = false;
}

ListModel::DeleteOutcome ListModel::Delete(int32_t index) {
    if (slots_.size() <= 1) {
        Clear();
        return DeleteOutcome::kCleared;
    }
    const int32_t upper = ListCount();
    if (index > upper) return DeleteOutcome::kUnchanged;
    // Copies into slots below 0 cannot happen, so starting at 0 gives the same rows as
    // starting lower, without walking through the negative numbers.
    for (int32_t i = std::max(index, 0); i < upper; ++i) {
        slots_[static_cast<size_t>(i)] = slots_[static_cast<size_t>(i) + 1];
    }
    slots_.pop_back();
    return DeleteOutcome::kRemoved;
}

void ListModel::MoveEx(int32_t cur_index, int32_t new_index) {
    ItemEntry& a = CheckedSlot(cur_index, kErrBadListIndex);
    ItemEntry& b = CheckedSlot(new_index, kErrBadListIndex);
    std::swap(a, b);
}

void ListModel::AppendItem(int32_t index, const std::string& item) {
    CheckedSlot(index, kErrBadListIndex).text += item;
}

void ListModel::AppendKey(int32_t index, const ListKey& key) {
    ItemEntry& entry = CheckedSlot(index, kErrBadListIndex);
    entry.key = ListKey(entry.key.Text() + key.Text());
}

const std::string& ListModel::ListItem(int32_t index) const {
    return const_cast<ListModel*>(this)->CheckedSlot(index, kErrSubscriptOutOfRange).text;
}

void ListModel::SetListItem(int32_t index, std::string text) {
    CheckedSlot(index, kErrSubscriptOutOfRange).text = std::move(text);
}

const ListKey& ListModel::Key(int32_t index) const {
    return const_cast<ListModel*>(this)->CheckedSlot(index, kErrSubscriptOutOfRange).key;
}

void ListModel::SetKey(int32_t index, ListKey key) {
    CheckedSlot(index, kErrSubscriptOutOfRange).key = std::move(key);
}

bool ListModel::ItemEquals(const std::string& item) const {
    for (size_t s = 1; s < slots_.size(); ++s) {
        if (slots_[s].text == item) return true;
    }
    return false;
}

bool ListModel::KeyEquals(const ListKey& key) const {
    for (size_t s = 1; s < slots_.size(); ++s) {
        if (slots_[s].key.Equals(key)) return true;
    }
    return false;
}

std::string ListModel::ItemSelectedText() const {
    if (selected_slot_ < 1 || selected_slot_ > ListCount()) return "";
    return slots_[static_cast<size_t>(selected_slot_)].text;
}

void ListModel::Sort(int32_t order) {
    const size_t count = slots_.empty() ? 0 : slots_.size() - 1;
    // The folded texts travel with their rows so each row is lower-cased once.
    std::vector<std::u16string> folded(count + 1);
    for (size_t s = 1; s <= count; ++s) folded[s] = FoldCase(slots_[s].text);
    for (size_t i = 1; i < count; ++i) {
        for (size_t j = i + 1; j <= count; ++j) {
            const bool exchange = order == 1 ? folded[i] > folded[j] : folded[i] < folded[j];
            if (exchange) {
                std::swap(slots_[i], slots_[j]);
                std::swap(folded[i], folded[j]);
            }
        }
    }
}

}  // namespace qv
