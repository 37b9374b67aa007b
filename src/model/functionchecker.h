#pragma once

#include <QString>

class KeyboardDataEntity;

// Remembers, for this run and every later one, whether the user has ever placed an Fn key in an
// Fn layer; the drawn keyboard and the keymap page apply their Fn-key warnings while it is so.
class FunctionChecker
{
public:
    // The name of the persisted flag in the user's settings.
    inline static const QString checkFunctionKey = QStringLiteral("isCheckingFunction");

    static FunctionChecker &sharedInstance();

    bool isCheckingFunction() const { return m_isCheckingFunction; }
    // Decides the flag after a keyboard was read: true when it was stored before, or when the
    // keyboard's profiles hold a placed Fn key (then it is stored at once); else false.
    void getIsCheckingFunction(const KeyboardDataEntity &KeyboardData);

private:
    bool m_isCheckingFunction = false;
};
