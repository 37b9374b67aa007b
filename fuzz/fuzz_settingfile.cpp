// Feeds arbitrary bytes to the setting-file reader and, when they read as a setting file, to its
// checks. Any outcome but a value or one of the documented errors is a fault.
#include "constants.h"
#include "exceptions.h"
#include "platformerror.h"
#include "settingfilereader.h"
#include "settingfilevalidator.h"

#include <QByteArray>
#include <QDir>

#include <cstddef>
#include <cstdint>

// Log lines of the run go to a folder of its own, emptied at the start of every run.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const QString logs = QDir::tempPath() + "/keymap-fuzz_settingfile-logs/";
    QDir(logs).removeRecursively();
    Constants::setLogDirectoryForTesting(logs);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const ConfigDataEntity configData = SettingFileReader::read(bytes);
        const SettingFileValidator validator([] { return KeyboardLayoutType::Japanese; });
        validator.checkConfigFileFormat(configData);
    } catch (const Exceptions &) {
    } catch (const PlatformError &) {
    }
    return 0;
}
