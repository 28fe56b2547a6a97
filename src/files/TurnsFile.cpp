#include "TurnsFile.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString firstLine = u"Tombolix turns: the numbers picked in this round, oldest first. "
                          u"Delete this file to start a new round."_s;
// A round holds at most this many turns before it starts over.
constexpr qsizetype maxTurns = 99;

// A class number as the file writes it: 1 to the largest class size, no sign, no blanks inside.
std::optional<qint16> classNumber(QStringView text)
{
    const bool digits = std::all_of(text.begin(), text.end(),
                                    [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (text.isEmpty() || text.size() > 5 || !digits)
        return std::nullopt;
    const int value = text.toInt();
    if (value < 1 || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

// "Absent on 2026-03-09: 4 17" with its numbers; false for a line of another kind or a bad one.
bool readAbsentLine(const QString &line, SavedTurns &saved)
{
    static const QRegularExpression
        absentLine(u"^absent on ([0-9]{4}-[0-9]{2}-[0-9]{2}):([0-9 ]*)$"_s,
                   QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = absentLine.match(line);
    if (!match.hasMatch())
        return false;
    saved.absentDate = QDate::fromString(match.captured(1), Qt::ISODate);
    if (!saved.absentDate.isValid())
        return false;
    QSet<qint16> absent;
    for (const QString &text : match.captured(2).split(u' ', Qt::SkipEmptyParts)) {
        const std::optional<qint16> number = classNumber(text);
        if (!number)
            return false;
        absent.insert(*number);
    }
    saved.absent = absent.values();
    std::sort(saved.absent.begin(), saved.absent.end());
    return true;
}

} // namespace

QByteArray formatTurns(const SavedTurns &saved, const QStringList &names)
{
    QString text = firstLine + u"\r\n"_s;
    if (!saved.absent.isEmpty()) {
        text += u"Absent on "_s + saved.absentDate.toString(Qt::ISODate) + u':';
        for (qint16 number : saved.absent)
            text += u' ' + QString::number(number);
        text += u"\r\n"_s;
    }
    for (qint16 number : saved.turns) {
        text += QString::number(number);
        const QString name = names.value(number - 1).simplified();
        if (!name.isEmpty())
            text += u'\t' + name;
        text += u"\r\n"_s;
    }
    return text.toUtf8();
}

std::optional<SavedTurns> parseTurns(QByteArrayView bytes)
{
    if (bytes.size() > maxTurnsFileBytes)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;

    const QStringList lines = text.split(u'\n');
    if (!lines.first().startsWith(u"Tombolix turns"_s, Qt::CaseInsensitive))
        return std::nullopt;

    SavedTurns saved;
    bool absentRead = false;
    QSet<qint16> seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u"absent"_s, Qt::CaseInsensitive)) {
            if (std::exchange(absentRead, true) || !readAbsentLine(line, saved))
                return std::nullopt;
            continue;
        }
        // The name after the tab is for the reader; the number alone counts.
        const qsizetype tab = line.indexOf(u'\t');
        const std::optional<qint16> number = classNumber(tab < 0 ? line : line.first(tab));
        if (!number || seen.contains(*number) || saved.turns.size() == maxTurns)
            return std::nullopt;
        seen.insert(*number);
        saved.turns.append(*number);
    }
    return saved;
}
