// The roster lookup, fed arbitrary bytes as the roster file. The first two bytes of an input
// choose the class number (0 to 300, beyond the largest class); the rest is the file.
#include "FuzzInput.h"

#include "files/Roster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const Int32 currentNumber = (data[0] << 8 | data[1]) % 301;
    const QString path = writeInput(data + 2, size - 2);
    valueOrRuntimeError([&] {
        const QString name = studentName(path, currentNumber);
        // The name is the second field of one line: a line with a tab holds no name from
        // CSV, and no field runs past its line.
        if (name.contains(u'\t') || name.contains(u'\n'))
            finding("the name runs past its field");
    });
    return 0;
}
