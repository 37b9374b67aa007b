#include "stack.h"

void Stack::push(std::initializer_list<Item> values)
{
    for (const Item &value : values)
        items.append(value);
}

Stack::Item Stack::pop()
{
    if (items.isEmpty())
        return nullptr;
    return items.takeLast();
}

void Stack::clear()
{
    items.clear();
}
