#include "CommandLine.h"

#include "app/ArgumentPath.h"
#include "files/Settings.h"
#include "pick/NumberKeys.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

const QString fullScreenName = u"full-screen"_s;
const QString zoomName = u"zoom"_s;

// The message of a command line that the program refuses.
struct WrongArgument
{
    QString message;
};

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(u"Picks a student by class number."_s);
    // Reads -zoom as --zoom, and names an unknown -fullscreen whole, not letter by letter.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({fullScreenName, u"Show the window full screen."_s});
    parser.addOption(
        {zoomName, u"Show the window at PERCENT of its size, 100 to 400."_s, u"PERCENT"_s});
    parser.addPositionalArgument(u"CLASS"_s,
                                 u"A class folder that holds %1, or that %1 itself. "
                                 "Without it, %1 is read from the working directory."_s.arg(
                                     settingsFileName()),
                                 u"[CLASS]"_s);
}

// The argument as it was typed that holds the option name, with its dashes and any value.
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--")
            break;
        const QString option = argument.section(u'=', 0, 0);
        if (option == u"-"_s + name || option == u"--"_s + name)
            return argument;
    }
    return name;
}

WrongArgument wrongOption(const QString &typed)
{
    return {u"參數錯誤！選項應為 --full-screen、--zoom、--help 或 --version，不是 "_s + typed};
}

WrongArgument wrongZoom(const QString &value)
{
    return {u"參數錯誤！--zoom 應為 100 到 400 的整數，不是 "_s + value};
}

// Plain digits from 100 to 400; a sign, a fraction or a percent sign is refused.
std::optional<int> zoomPercent(const QString &text)
{
    if (text.isEmpty()
        || !std::all_of(text.begin(), text.end(), [](QChar c) { return isDigit(c.unicode()); }))
        return std::nullopt;
    bool ok = false;
    const int percent = text.toInt(&ok);
    if (!ok || percent < 100 || percent > 400)
        return std::nullopt;
    return percent;
}

// The folder to start in for the class given as path, or why path is no class.
std::variant<QString, WrongArgument> classFolderOf(const QString &path)
{
    const QFileInfo given(path);
    if (given.isDir())
        return given.absoluteFilePath();
    if (!given.exists())
        return WrongArgument{u"參數錯誤！找不到班級資料夾或設定檔 "_s + path};
    if (!namesSettingsFile(given.fileName()))
        return WrongArgument{u"參數錯誤！應為班級資料夾或其中的設定檔 "_s + settingsFileName()
                             + u"，不是 "_s + path};
    return given.absolutePath();
}

std::variant<LaunchOptions, WrongArgument> readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        // Qt names unknown options. Otherwise an option lacks its value, which only --zoom
        // takes, or a flag was given one; either is the last option Qt read.
        const QStringList unknown = parser.unknownOptionNames();
        const QString last = parser.optionNames().value(parser.optionNames().size() - 1);
        if (unknown.isEmpty() && last == zoomName)
            return wrongZoom(QString());
        return wrongOption(typedOption(arguments, unknown.isEmpty() ? last : unknown.first()));
    }
    // The arguments parse, so this only shows --help or --version, as Qt does, and ends.
    parser.process(arguments);

    LaunchOptions options;
    options.fullScreen = parser.isSet(fullScreenName);
    if (parser.isSet(zoomName)) {
        const std::optional<int> percent = zoomPercent(parser.value(zoomName));
        if (!percent)
            return wrongZoom(parser.value(zoomName));
        options.zoomPercent = *percent;
    }

    const QStringList paths = parser.positionalArguments();
    if (paths.size() > 1)
        return WrongArgument{u"參數錯誤！只能指定一個班級資料夾或設定檔，不是 「"_s
                             + paths.join(u"」、「"_s) + u"」"_s};
    if (paths.size() == 1) {
        const auto folder = classFolderOf(pathOfArgument(paths.first()));
        if (const auto *wrong = std::get_if<WrongArgument>(&folder))
            return *wrong;
        options.classFolder = std::get<QString>(folder);
    }
    return options;
}

} // namespace

std::optional<LaunchOptions> openClass(const QStringList &arguments, PickController &controller)
{
    const auto read = readCommandLine(arguments);
    if (const auto *wrong = std::get_if<WrongArgument>(&read)) {
        controller.refuseStart(wrong->message);
        return std::nullopt;
    }
    const LaunchOptions options = std::get<LaunchOptions>(read);
    if (!options.classFolder.isEmpty() && !enterClassFolder(options.classFolder, controller))
        return std::nullopt;
    return options;
}

bool enterClassFolder(const QString &folder, PickController &controller)
{
    // Staying where the program started would read another folder's rand.ini: a wrong class.
    if (QDir::setCurrent(folder))
        return true;
    controller.refuseStart(u"參數錯誤！無法進入班級資料夾 "_s + folder);
    return false;
}
