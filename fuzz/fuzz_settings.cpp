// The settings reader, fed arbitrary bytes as rand.ini.
#include "FuzzInput.h"

#include "files/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = writeInput(data, size);
    valueOrRuntimeError([&] {
        const std::optional<ClassSettings> settings = readSettings(path);
        if (!settings)
            finding("an existing settings file was reported missing");
        // The path is the field between the first and second equals sign of one line.
        else if (settings->rosterPath.contains(u'=') || settings->rosterPath.contains(u'\n'))
            finding("the roster path runs past its field");
    });
    return 0;
}
