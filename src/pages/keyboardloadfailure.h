#pragma once

#include <QString>

#include <functional>
#include <optional>

class PageViewController;

// What the pages that draw the connected keyboard do when its resources (catalogue, factory
// keymaps, key frames) cannot be read: log why, tell the user with message 9012, and end.
class KeyboardLoadFailure
{
public:
    KeyboardLoadFailure() = delete;

    // Runs work and answers the log line of the error it threw, or nothing when it went well.
    static std::optional<QString> logLineOf(const std::function<void()> &work);
    // Message 9012 over page, which counts as showing an alert from now on; whatever the
    // answer, the program ends.
    static void showAndQuit(PageViewController &page);
};
