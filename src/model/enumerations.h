#pragma once

#include <optional>
#include <type_traits>

// The closed sets shared by the whole program. Enumerations with raw values keep the numbers the
// keyboard, the catalogue and the setting files use; fromRaw() answers no value for any other
// number.

enum class KeyboardLayoutType
{
    Japanese = 0,
    English = 1
};
enum class KeyboardLayoutTypeName
{
    japanese = 0,
    english = 1
};
enum class KeyboardColorType
{
    Black = 0,
    White = 1
};
enum class KeyboardSeriesEnum
{
    DARAVivuza = 0
};
enum class RunningFirmwareState
{
    app = 0,
    boot = 1
};
enum class ProfileMode
{
    Profile1 = 0,
    Profile2 = 1,
    Profile3 = 2,
    Profile4 = 3
};
enum class FnMode
{
    Normal = 0,
    WithFn1 = 1,
    WithFn2 = 2,
    WithFn3 = 3
};
enum class ShortCutType
{
    Control = 0,
    Shift = 1,
    Alt = 2,
    Cmd = 3
};
enum class SaveProfileType
{
    all = -1,
    profile1 = 0,
    profile2 = 1,
    profile3 = 2,
    profile4 = 3
};
enum class WriteToTAVOResult
{
    Success = 0,
    ModeMismatchError = 1,
    KeyboardMismatchError = 2,
    CommunicationError = 3,
    MCUCommunicationError = 4
};

enum class GesturePadType
{
    None,
    SideLeft,
    FrontLeft,
    FrontRight,
    SideRight
};
enum class CheckButtonType
{
    None,
    PointingStick,
    GesturePad
};
enum class KeyImageAlignment
{
    Left,
    Center,
    Right
};
enum class KeymapPageState
{
    normal,
    clickedVirtualKey,
    clickedAssignKey,
    clickedVirtualSlideKey
};
enum class MessageModalResponseType
{
    OK,
    NG,
    NO
};
enum class LogLevel
{
    normal,
    debug
};
enum class DriverStatus
{
    seekDevice,
    found
};
enum class UpdateCheckingResult
{
    success,
    internetError,
    proxyAuthenticationError
};

namespace Enumerations {

// The smallest and largest raw value of each enumeration with raw values; every value in between
// is a case, so a range check is a full membership test.
template<int First, int Last>
struct RawBounds
{
    static constexpr int first = First, last = Last;
};

template<typename E>
struct RawRange;
template<>
struct RawRange<KeyboardLayoutType> : RawBounds<0, 1>
{};
template<>
struct RawRange<KeyboardLayoutTypeName> : RawBounds<0, 1>
{};
template<>
struct RawRange<KeyboardColorType> : RawBounds<0, 1>
{};
template<>
struct RawRange<KeyboardSeriesEnum> : RawBounds<0, 0>
{};
template<>
struct RawRange<RunningFirmwareState> : RawBounds<0, 1>
{};
template<>
struct RawRange<ProfileMode> : RawBounds<0, 3>
{};
template<>
struct RawRange<FnMode> : RawBounds<0, 3>
{};
template<>
struct RawRange<ShortCutType> : RawBounds<0, 3>
{};
template<>
struct RawRange<SaveProfileType> : RawBounds<-1, 3>
{};
template<>
struct RawRange<WriteToTAVOResult> : RawBounds<0, 4>
{};

template<typename E>
constexpr std::optional<E> fromRaw(long long raw)
{
    if (raw < RawRange<E>::first || raw > RawRange<E>::last)
        return std::nullopt;
    return static_cast<E>(raw);
}

template<typename E>
constexpr int rawValue(E value)
{
    return static_cast<int>(static_cast<std::underlying_type_t<E>>(value));
}

} // namespace Enumerations
