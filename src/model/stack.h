#pragma once

#include "historydataentity.h"

#include <QList>

#include <initializer_list>
#include <memory>

// The keymap page's undo history: snapshots, the last pushed on top.
class Stack
{
public:
    using Item = std::shared_ptr<HistoryDataEntity>;

    void push(std::initializer_list<Item> values);
    // The last pushed snapshot, removed from the stack; null when the stack is empty.
    Item pop();
    void clear();

    QList<Item> items;
};
