// The main window's keys: zoom and full screen, the pick, and the class.
#include "PickerWindow.h"

#include "HiddenNumberField.h"
#include "app/WindowKeys.h"

#include <QKeyEvent>
#include <QPushButton>

bool PickerWindow::isPicking() const
{
    return !(m_pickButton->isVisibleTo(this) && m_pickButton->isEnabled());
}

void PickerWindow::pick()
{
    if (!isPicking())
        m_pickButton->click();
}

void PickerWindow::requestOpenClass()
{
    if (!isPicking())
        emit openClassRequested();
}

bool PickerWindow::handleWindowKey(QKeyCombination key, bool autoRepeat)
{
    if (m_zoom.handleKey(key, autoRepeat))
        return true;
    switch (windowCommandFor(key)) {
    case WindowCommand::Pick:
        // The button is the window's default button: Enter presses it, but only while it can
        // be pressed, so Enter during a pick is ignored. A remote's "next" key does the same.
        pick();
        return true;
    case WindowCommand::ClassList:
        // A key held down would open and close the list in turn.
        if (!autoRepeat)
            requestClassList();
        return true;
    case WindowCommand::OpenClass:
        requestOpenClass();
        return true;
    case WindowCommand::None:
        return false;
    }
    return false;
}

void PickerWindow::keyPressEvent(QKeyEvent *event)
{
    if (handleWindowKey(event->keyCombination(), event->isAutoRepeat())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool PickerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_chosenNumberField && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!passesThroughNumberField(key->keyCombination())
            && handleWindowKey(key->keyCombination(), key->isAutoRepeat()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
