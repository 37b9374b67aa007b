#include "emulatedkeyboardstate.h"

#include "exceptions.h"
#include "platformerror.h"
#include "resourceloader.h"

namespace {

constexpr int layerSize = ProfileDataEntity::keyCount * 2;

} // namespace

EmulatedKeyboardState EmulatedKeyboardState::plausible(const QString &typeNumber)
{
    EmulatedKeyboardState state;
    state.typeNumber = typeNumber;
    try {
        const auto factory = ResourceLoader::sharedInstance().getDefaultProfilesData(
            state.typeNumber, QList<bool>(6, false));
        state.setProfiles(*factory);
    } catch (const Exceptions &) {
        // Without factory keymaps the keyboard keeps empty profiles.
    } catch (const PlatformError &) {
    }
    return state;
}

void EmulatedKeyboardState::setProfiles(const ProfileListDataEntity &profileList)
{
    for (int profile = 0; profile < 4; ++profile) {
        QByteArray &memory = profiles[profile];
        memory.fill('\0', profileSize);
        for (int mode = 0; mode < 4; ++mode) {
            const QList<qint32> &codes =
                profileList.profile(profile).layer(static_cast<FnMode>(mode));
            for (int key = 0; key < codes.size() && key < ProfileDataEntity::keyCount; ++key) {
                memory[mode * layerSize + 2 * key] = char((codes[key] >> 8) & 0xFF);
                memory[mode * layerSize + 2 * key + 1] = char(codes[key] & 0xFF);
            }
        }
    }
}

QList<qint32> EmulatedKeyboardState::layer(int profile, FnMode mode) const
{
    const QByteArray &memory = profiles[profile];
    const int base = Enumerations::rawValue(mode) * layerSize;
    QList<qint32> codes;
    for (int key = 0; key < ProfileDataEntity::keyCount; ++key)
        codes.append(quint8(memory[base + 2 * key]) * 256 + quint8(memory[base + 2 * key + 1]));
    return codes;
}
