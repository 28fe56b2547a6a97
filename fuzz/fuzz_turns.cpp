// The turns-file reader, fed arbitrary bytes as turns.txt.
#include "FuzzInput.h"

#include "files/TurnsFile.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<SavedTurns> saved = parseTurns(bytes);
    if (!saved)
        return 0;
    // What the draw relies on: at most a round of distinct class numbers.
    if (saved->turns.size() > 99)
        finding("more turns than a round holds");
    const QSet<qint16> distinct(saved->turns.begin(), saved->turns.end());
    if (distinct.size() != saved->turns.size())
        finding("a number has two turns");
    for (qint16 number : saved->turns + saved->absent) {
        if (number < 1)
            finding("a number that is no class number");
    }
    if (!saved->absent.isEmpty() && !saved->absentDate.isValid())
        finding("absent marks without their day");
    // What the program writes it reads back the same.
    const std::optional<SavedTurns> again = parseTurns(formatTurns(*saved, {}));
    if (!again || again->turns != saved->turns || again->absent != saved->absent)
        finding("the file as written does not read back");
    return 0;
}
