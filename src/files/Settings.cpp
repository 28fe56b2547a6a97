#include "Settings.h"

#include "Fields.h"
#include "Paths.h"
#include "TextLineReader.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

// How far past the first two lines an option is looked for; a huge file is not read whole.
constexpr int maxOptionLines = 100;

// A decimal number with blanks around it allowed; the fraction is rounded, halves to even.
Int16 toSettingNumber(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        throw RuntimeError(Failure::NotANumber);
    // An exponent too large for a double reads as infinity, which toInt16 calls an overflow.
    return toInt16(QLocale::c().toDouble(trimmed));
}

bool isKey(const QStringList &fields, QStringView key)
{
    return fieldAt(fields, 0).compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<ClassSettings> readSettings(const QString &path)
{
    if (!fileExists(path))
        return std::nullopt;

    ClassSettings settings;
    TextLineReader file(localPath(path));
    const QStringList line1 = splitFields(file.readLine(), u'=');
    if (isKey(line1, u"File"))
        settings.rosterPath = fieldAt(line1, 1);

    const QStringList line2 = splitFields(file.readLine(), u'=');
    if (isKey(line2, u"MaxClassNo"))
        settings.classSize = toSettingNumber(fieldAt(line2, 1));

    // Lines after the first two were never read before, so a file whose tail cannot be read
    // still starts as it always did. The first line of each key counts.
    bool rememberSeen = false;
    bool sheetSeen = false;
    for (int i = 0; i < maxOptionLines && !(rememberSeen && sheetSeen); ++i) {
        QString text;
        try {
            text = file.readLine();
        } catch (const RuntimeError &) {
            break;
        }
        const QStringList line = splitFields(text, u'=');
        if (line.isEmpty())
            continue;
        if (!rememberSeen && isKey(line, u"Remember")) {
            settings.remember = toSettingNumber(fieldAt(line, 1)) != 0;
            rememberSeen = true;
        } else if (!sheetSeen && isKey(line, u"Sheet") && line.size() > 1) {
            // A sheet's name may hold "=" and blanks: all after the first "=" is the name.
            settings.sheet = text.mid(text.indexOf(u'=') + 1);
            sheetSeen = true;
        }
    }
    return settings;
}
