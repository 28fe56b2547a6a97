#include "FileTesting.h"
#include "Workbooks.h"

#include "files/Workbook.h"

#include <QTest>

#include <windows.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A handle that another program keeps on the file, as Excel keeps one on the workbook it shows:
// for reading and writing, letting others in as shareMode says.
class HeldFile
{
public:
    HeldFile(const QString &path, DWORD shareMode)
        : m_handle(CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()),
                               GENERIC_READ | GENERIC_WRITE, shareMode, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~HeldFile()
    {
        if (isHeld())
            CloseHandle(m_handle);
    }
    HeldFile(const HeldFile &) = delete;
    HeldFile &operator=(const HeldFile &) = delete;

    bool isHeld() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

// A sheet row of two cells typed as text.
QByteArray row(const char *a, const char *b)
{
    const QByteArray cell = "<c t=\"inlineStr\"><is><t>";
    return "<row>" + cell + a + "</t></is></c>" + cell + b + "</t></is></c></row>";
}

QString shown(const QList<RosterLine> &lines)
{
    QStringList parts;
    for (const RosterLine &line : lines)
        parts.append(line.number + u'=' + line.name);
    return parts.join(u' ');
}

} // namespace

// Teachers keep the class's workbook open in Excel while the picker runs. Excel lets others only
// read it, so the roster must be opened for reading with a writer allowed; a program that lets
// nobody in leaves a file that cannot be opened, which is not a damaged workbook.
class TestWorkbookHeldOpen : public QObject
{
    Q_OBJECT

private slots:
    void heldByAnotherProgram_data()
    {
        QTest::addColumn<quint32>("shareMode");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<std::optional<Failure>>("failure");
        QTest::newRow("Excel's lock: others may read, not write")
            << quint32(FILE_SHARE_READ) << u"1=陳大文 2=李小明"_s << std::optional<Failure>();
        QTest::newRow("a lock that shares nothing is a file that cannot be opened")
            << quint32(0) << QString() << std::optional(Failure::CannotOpen);
    }

    void heldByAnotherProgram()
    {
        QFETCH(quint32, shareMode);
        QFETCH(QString, lines);
        QFETCH(std::optional<Failure>, failure);
        QTemporaryDir dir;
        const QString path = writeFile(dir, u"class.xlsx"_s,
                                       zipOf(xlsxMembers(row("座號", "姓名") + row("1", "陳大文")
                                                         + row("2", "李小明"))));
        const HeldFile held(path, shareMode);
        QVERIFY2(held.isHeld(),
                 qPrintable(u"CreateFileW failed: "_s + QString::number(GetLastError())));

        QList<RosterLine> read;
        QCOMPARE(failureOf([&] { read = readWorkbook(path); }), failure);
        QCOMPARE(shown(read), lines);
    }
};

QTEST_GUILESS_MAIN(TestWorkbookHeldOpen)
#include "tst_workbook_held_open.moc"
