#include "LinkLabel.h"

#include <QMouseEvent>

#include <utility>

bool LinkLabel::event(QEvent *event)
{
    // Seen before the label handles them: its handlers call one another, a double-click
    // arriving as a press as well.
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton)
            m_pressed = true;
        break;
    case QEvent::MouseButtonDblClick:
        m_pressed = false;
        if (mouse->button() == Qt::LeftButton)
            emit doubleClicked();
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton && std::exchange(m_pressed, false)
            && rect().contains(mouse->position().toPoint()))
            emit clicked();
        break;
    default:
        break;
    }
    return FittingLabel::event(event);
}
