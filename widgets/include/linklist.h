// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// An ordered, doubly linked list of items that know the list they belong to. A language
// keeps its tokens in one: a token joins the list when it is made and leaves it when it
// is destroyed, and an owning list destroys whatever items are left in it.

#include <list>

class oLinkedList;

// An item that joins its list on construction and leaves it on destruction.
class oLinkedListItem {
public:
    // Appends the item at the end of the list.
    explicit oLinkedListItem(oLinkedList* list);
    virtual ~oLinkedListItem();
    oLinkedListItem(const oLinkedListItem&) = delete;
    oLinkedListItem& operator=(const oLinkedListItem&) = delete;

    // The list the item belongs to (not owned).
    oLinkedList* list() const { return owner; }

private:
    oLinkedList* owner;
};

class oLinkedList {
public:
    using Items = std::list<oLinkedListItem*>;

    explicit oLinkedList(bool ownsItems);
    // An owning list destroys its items; a list that does not own them must be empty.
    virtual ~oLinkedList();
    oLinkedList(const oLinkedList&) = delete;
    oLinkedList& operator=(const oLinkedList&) = delete;

    // With no item the first item, else the one after it; nullptr after the last item
    // or when the item is not in the list.
    oLinkedListItem* next(const oLinkedListItem* item = nullptr) const;
    bool isEmpty() const { return items.empty(); }
    bool ownsItems() const { return owning; }
    // The items in order, for walks that should not search from the front every step.
    const Items& contents() const { return items; }
    // Moves an item of this list to just before another item of it.
    void moveBefore(const oLinkedListItem* item, const oLinkedListItem* before);

private:
    friend class oLinkedListItem;
    void append(oLinkedListItem* item);
    void remove(const oLinkedListItem* item);

    Items items;
    bool owning;
};
