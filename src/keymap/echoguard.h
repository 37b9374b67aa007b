#pragma once

#include <functional>

// Keeps the reports that children make while the page shows what the editing model ordered from
// reaching the model again: the model took the step such a report asks for when it gave the
// order, and taking it twice would lose the state before it.
class EchoGuard
{
public:
    // Runs show with the children's reports held back.
    void show(const std::function<void()> &show);
    // A report that reaches handler unless it echoes something the page is showing.
    std::function<void()> report(std::function<void()> handler);

private:
    bool m_isShowing = false;
};
