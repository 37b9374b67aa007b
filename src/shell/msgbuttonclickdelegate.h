#pragma once

// Receives the tag of the message button that was pressed.
class MsgButtonClickDelegate
{
public:
    virtual ~MsgButtonClickDelegate() = default;

    virtual void buttonClick(int resType) = 0;
};
