#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The file beside rand.ini that keeps a class's turns between runs, for a class that asks.
inline QString turnsFileName()
{
    return QStringLiteral("turns.txt");
}

// What a class keeps between runs: the numbers that have had their turn in this round, oldest
// first, and who was marked absent on which day.
struct SavedTurns
{
    QList<qint16> turns;
    QDate absentDate;
    QList<qint16> absent; // ascending
};

// A larger file is not a turns file; it is refused rather than read into memory.
inline constexpr qsizetype maxTurnsFileBytes = 64 * 1024;

// The file as a teacher reads it in a text editor: a first line saying what it is, the absent
// marks with their day (only when someone is absent), then one number a line with the name
// that names[number - 1] gives, where there is one. UTF-8, CR LF line ends.
QByteArray formatTurns(const SavedTurns &saved, const QStringList &names);

// Nothing for bytes that are not such a file: another first line, a line that is neither a
// number nor the absent marks, a number twice, 0, more turns than a round holds, text that is
// not UTF-8. Blank lines, a byte order mark and LF line ends are accepted.
std::optional<SavedTurns> parseTurns(QByteArrayView bytes);
