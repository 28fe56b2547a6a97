#include "ClassFolder.h"
#include "Listing.h"
#include "Rig.h"
#include "SeededSource.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

struct FileSnapshot
{
    QByteArray bytes;
    QDateTime modified;

    static FileSnapshot of(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return {file.readAll(), QFileInfo(path).lastModified()};
    }
    bool operator==(const FileSnapshot &) const = default;
};

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void manyPicksKeepTheHistorySound_data();
    void manyPicksKeepTheHistorySound();
};

void TestSoak::manyPicksKeepTheHistorySound_data()
{
    QTest::addColumn<int>("classSize");
    QTest::addColumn<int>("picks");

    // 10,000 picks in all, most of them on the sizes where wraps and wipes come often.
    QTest::newRow("class of 1") << 1 << 1000;
    QTest::newRow("class of 2") << 2 << 1500;
    QTest::newRow("class of 7") << 7 << 2000;
    QTest::newRow("class of 40") << 40 << 2500;
    QTest::newRow("class of 99: the largest that never repeats") << 99 << 1800;
    QTest::newRow("class of 150: wipes after 99") << 150 << 1200;
}

void TestSoak::manyPicksKeepTheHistorySound()
{
    QFETCH(int, classSize);
    QFETCH(int, picks);

    ClassFolder folder(classSize);
    const FileSnapshot settingsBefore = FileSnapshot::of(folder.settingsPath());
    const FileSnapshot rosterBefore = FileSnapshot::of(folder.rosterPath());

    Rig<SeededSource> rig{quint32(classSize)};
    rig.controller.load(folder.settingsPath());

    QRandomGenerator choice(7);
    const int capacity = qMin(classSize, 99);
    for (int i = 0; i < picks; ++i) {
        const QList<int> before = historyOf(rig.controller.state());
        const bool full = before.size() >= capacity;
        const bool designated = choice.bounded(4) == 0;
        const int typed = 1 + int(choice.bounded(classSize));
        if (designated)
            rig.view.chosenNumber = QString::number(typed);

        rig.controller.pickButtonClicked();
        rig.clock.runUntil([&] { return rig.view.pickButtonVisible || rig.controller.ended(); });
        QVERIFY2(!rig.controller.ended(), qPrintable(rig.dialog.texts.join(u'\n')));

        const int landed = rig.view.numberCaption.toInt();
        QCOMPARE(rig.view.nameCaption, ClassFolder::nameOf(landed));
        const QList<int> after = historyOf(rig.controller.state());
        const QList<int> kept = full ? QList<int>{} : before;
        if (designated) {
            QCOMPARE(landed, typed);
            QCOMPARE(after, kept);
        } else {
            // A random pick never repeats within a cycle, and it is recorded last.
            QVERIFY2(!kept.contains(landed), qPrintable(QStringLiteral("pick %1").arg(i)));
            QCOMPARE(after, kept + QList<int>{landed});
        }
        QCOMPARE(QSet<int>(after.begin(), after.end()).size(), after.size());
        QCOMPARE(rig.controller.state().history.numbers[after.size()].value(), 0);
        QVERIFY(after.size() <= capacity);
    }

    QCOMPARE(rig.dialog.texts, QStringList());
    QVERIFY(FileSnapshot::of(folder.settingsPath()) == settingsBefore);
    QVERIFY(FileSnapshot::of(folder.rosterPath()) == rosterBefore);
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
