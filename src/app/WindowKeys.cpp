#include "WindowKeys.h"

namespace {

bool isEnter(Qt::Key key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

WindowCommand windowCommandFor(QKeyCombination key)
{
    // The keypad sends Enter, and Page Down or Right with Num Lock off.
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_PageDown:
        case Qt::Key_Right:
            return WindowCommand::Pick;
        case Qt::Key_F2:
            return WindowCommand::ClassList;
        default:
            return WindowCommand::None;
        }
    }
    if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_O)
        return WindowCommand::OpenClass;
    return WindowCommand::None;
}

bool passesThroughNumberField(QKeyCombination key)
{
    return isEnter(key.key());
}
