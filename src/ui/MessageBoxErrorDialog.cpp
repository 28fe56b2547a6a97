#include "MessageBoxErrorDialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

#include <utility>

namespace {

// Qt copies a message box's text with Ctrl+C on Windows only; this does it everywhere.
// The clipboard gets the text exactly as given, line breaks included, without the title.
class CopyableMessageBox final : public QMessageBox
{
    Q_OBJECT

public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(text());
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

} // namespace

MessageBoxErrorDialog::MessageBoxErrorDialog(QWidget *owner, Quit quit)
    : m_owner(owner), m_quit(std::move(quit))
{
    if (!m_quit)
        m_quit = [](int exitStatus) { QCoreApplication::exit(exitStatus); };
}

void MessageBoxErrorDialog::showError(const QString &title, const QString &text)
{
    // Shown without an owner while the window is hidden, so it never brings the window up.
    QWidget *owner = m_owner && m_owner->isVisible() ? m_owner : nullptr;
    CopyableMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("ErrorDialog"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void MessageBoxErrorDialog::endProgram(int exitStatus)
{
    if (std::exchange(m_ended, true))
        return;
    m_quit(exitStatus);
}

#include "MessageBoxErrorDialog.moc"
