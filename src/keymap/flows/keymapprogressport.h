#pragma once

#include <QString>

// The keymap page's progress page, shown over the page while the keyboard is written.
class KeymapProgressPort
{
public:
    virtual ~KeymapProgressPort() = default;
    virtual void showProgress(const QString &mainMessage, const QString &subMessage,
                              const QString &percentMessage) = 0;
    virtual void hideProgress() = 0;
    virtual bool isProgressShown() const = 0;
};
