// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "linklist.h"

#include "Precondition.h"

#include <algorithm>

oLinkedListItem::oLinkedListItem(oLinkedList* list) : owner(list) {
    PRECONDITION(list != nullptr);
    owner->append(this);
}

oLinkedListItem::~oLinkedListItem() { owner->remove(this); }

oLinkedList::oLinkedList(bool ownsItems) : owning(ownsItems) {}

oLinkedList::~oLinkedList() {
    if (owning) {
        // Each item unlinks itself in its destructor.
        while (!items.empty())
            delete items.front();
    }
    PRECONDITION(items.empty() && "oLinkedList not empty");
}

oLinkedListItem* oLinkedList::next(const oLinkedListItem* item) const {
    if (item == nullptr)
        return items.empty() ? nullptr : items.front();
    auto at = std::find(items.begin(), items.end(), item);
    if (at == items.end() || ++at == items.end())
        return nullptr;
    return *at;
}

void oLinkedList::append(oLinkedListItem* item) { items.push_back(item); }

void oLinkedList::remove(const oLinkedListItem* item) {
    auto at = std::find(items.begin(), items.end(), item);
    if (at != items.end())
        items.erase(at);
}

void oLinkedList::moveBefore(const oLinkedListItem* item, const oLinkedListItem* before) {
    auto from = std::find(items.begin(), items.end(), item);
    auto to = std::find(items.begin(), items.end(), before);
    PRECONDITION(from != items.end() && to != items.end());
    items.splice(to, items, from);
}
