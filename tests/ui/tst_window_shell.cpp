// The two link labels and the error dialog, through the real window and dialogs.
#include "TestProgram.h"

#include "pick/Texts.h"
#include "ui/QtDesktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QOperatingSystemVersion>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

class TestShell : public QObject
{
    Q_OBJECT

public:
    // Stands in for the browser.
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void init();
    void cleanup();
    void addressToDesktop_data();
    void addressToDesktop();
    void aboutOnDoubleClickOnly();
    void errorAtStartUp();
    void closingEndsThePick();

private:
    std::unique_ptr<ClassFolder> m_folder;
    std::unique_ptr<TestProgram> m_program;
    QList<QUrl> m_opened;
};

void TestShell::init()
{
    m_folder = std::make_unique<ClassFolder>(QStringList{u"王小明"_s});
    m_program = std::make_unique<TestProgram>();
    QVERIFY(m_program->start(m_folder->settingsPath()));
    m_program->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_program->window));
    m_opened.clear();
    QDesktopServices::setUrlHandler(QUrl(Texts::webAddress()).scheme(), this, "openUrl");
}

void TestShell::cleanup()
{
    QDesktopServices::unsetUrlHandler(QUrl(Texts::webAddress()).scheme());
    m_program.reset();
    m_folder.reset();
}

void TestShell::addressToDesktop_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("opened");
    QTest::newRow("a click opens the address") << 1 << Qt::LeftButton << 1;
    QTest::newRow("a double-click opens it once, not twice") << 2 << Qt::LeftButton << 1;
    QTest::newRow("the right button opens nothing") << 1 << Qt::RightButton << 0;
}

void TestShell::addressToDesktop()
{
    QFETCH(int, clicks);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, opened);
    auto *label = m_program->find("webLink");
    // A double-click is a click, then a press that arrives as the double-click.
    QTest::mouseClick(label, button);
    if (clicks == 2)
        QTest::mouseDClick(label, button);
    QCOMPARE(m_opened, QList<QUrl>(opened, QUrl(Texts::webAddress())));
    // Clicks elsewhere do nothing.
    QTest::mouseClick(m_program->find("headingLabel"), Qt::LeftButton);
    QTest::mouseClick(m_program->find("creditLabel"), Qt::LeftButton);
    QCOMPARE(m_opened.size(), opened);
}

void TestShell::aboutOnDoubleClickOnly()
{
    if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
        QSKIP("the About box on Windows is shell32's own, which no Qt test can close");
    QStringList shown;
    bool hasIcon = false;
    ModalCloser closer([&](QDialog *dialog) {
        shown.append(dialog->findChild<QLabel *>(u"appName"_s)->text());
        shown.append(dialog->findChild<QLabel *>(u"extraText"_s)->text());
        hasIcon = !dialog->findChild<QLabel *>(u"icon"_s)->pixmap().isNull();
    });
    auto *label = m_program->find("creditLabel");
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(closer.seen, 0);

    QTest::mouseDClick(label, Qt::LeftButton);
    QTRY_COMPARE(closer.seen, 1);
    QCOMPARE(shown, (QStringList{u"Tombolix"_s, u"Programmed by: Orvanel"_s}));
    QVERIFY(hasIcon);
    QVERIFY(!m_program->controller.ended());
}

void TestShell::errorAtStartUp()
{
    QTemporaryDir empty;
    TestProgram program;
    QString title, text, copied;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QGuiApplication::clipboard()->clear();
    ModalCloser closer([&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (auto *button : box->buttons())
            buttons.append(box->standardButton(button));
        modality = box->windowModality();
        // Ctrl+C pressed with the focus on the button reaches the box and copies its text.
        QWidget *focus = box->focusWidget() ? box->focusWidget() : box;
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
    });

    QVERIFY(!program.start(empty.filePath(u"rand.ini"_s)));
    QCOMPARE(closer.seen, 1);
    QCOMPARE(title, u"Tombolix 執行期錯誤"_s);
    QCOMPARE(text, errorDialogText(u"找不到設定檔 rand.ini"_s));
    QVERIFY(text.startsWith(u"錯誤 ERROR：\r\n找不到設定檔 rand.ini\r\n\r\n如果"_s));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(copied, text);
    // The end is requested once with a failure status, and the window never shows.
    QCOMPARE(program.endRequests, QList<int>{1});
    QVERIFY(!program.window.isVisible());
}

void TestShell::closingEndsThePick()
{
    QTest::mouseClick(m_program->find("pickButton"), Qt::LeftButton);
    QVERIFY(m_program->window.findChild<QTimer *>(u"countTimer"_s)->isActive());
    QVERIFY(m_program->window.close());
    QVERIFY(m_program->controller.ended());
    for (auto *timer : m_program->window.findChildren<QTimer *>())
        QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
    QVERIFY(m_program->endRequests.isEmpty());
}

QTEST_MAIN(TestShell)
#include "tst_window_shell.moc"
