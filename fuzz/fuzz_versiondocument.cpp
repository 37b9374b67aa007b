// Feeds arbitrary bytes to the version-document reader. The first byte picks the keyboard type
// whose firmware entry is looked up; the rest is the document.
#include "constants.h"
#include "versiondocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString typeNumber =
        Constants::tavoTypeNumbers.at(data[0] % Constants::tavoTypeNumbers.size());
    const QByteArray document(reinterpret_cast<const char *>(data + 1),
                              static_cast<qsizetype>(size - 1));
    const VersionDocument parsed = VersionDocument::parse(document, typeNumber);
    // Only a usable document hands on a firmware version.
    if (!parsed.isValid() && !parsed.latestFirmVersion().isEmpty())
        __builtin_trap();
    return 0;
}
