#pragma once

#include "errors/Checked.h"

#include <QLineEdit>

#include <functional>

// The single-line field for the designated number. Every character typed into it passes
// through the key-press procedure, which may discard it; text that arrives by any other route
// (paste, drop, input method) is cut down to the characters typing would have kept.
class HiddenNumberField final : public QLineEdit
{
    Q_OBJECT

public:
    using KeyPress = std::function<void(Int16 &keyCode)>;

    explicit HiddenNumberField(QWidget *parent = nullptr);
    void setKeyPress(KeyPress keyPress) { m_keyPress = std::move(keyPress); }

    // Input methods are off: the platform asks either way, by event or by name.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    KeyPress m_keyPress;
};
