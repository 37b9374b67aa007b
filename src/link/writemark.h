#pragma once

#include <functional>
#include <memory>

// Counts the keyboard writes under way in the whole process, firmware updates and keymap writes
// of every driver, so that the program is not quit in the middle of one. A write holds a token
// from its start; its result takes the token to the GUI thread and lets it go there just before
// the result's callback runs, so the write counts until its result has arrived.
class WriteMark
{
public:
    using Token = std::shared_ptr<const void>;

    WriteMark() = delete;

    // A token that counts one write as running until its last copy goes.
    static Token make();
    static bool isAnyRunning();
    // Runs result on the GUI thread once it holds the token and has let it go; post() returns
    // at once, postAndWait() when result has run.
    static void post(Token token, std::function<void()> result);
    static void postAndWait(Token token, const std::function<void()> &result);
};
