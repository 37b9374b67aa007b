#pragma once

// The icon of a numbered message.
enum class MessageType
{
    error,
    alert,
    noIcon
};
