#include "HiddenNumberField.h"

#include "pick/NumberKeys.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Reduces any edit to digits instead of refusing it, so a paste of "12a" leaves "12".
class DigitsOnly final : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        pos = int(keepDigits(QStringView(input).left(pos)).size());
        input = keepDigits(input);
        return Acceptable;
    }
};

// A key press that types a character, as opposed to an editing key or a shortcut.
bool typesCharacter(const QKeyEvent &event)
{
    if (event.text().isEmpty() || event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    for (QChar c : event.text()) {
        if (!c.isPrint() && c != QChar(backspaceKey) && c != QChar(carriageReturnKey))
            return false;
    }
    return true;
}

// Key codes are 16-bit signed; characters past 32767 wrap to negative codes, never digits.
Int16 keyAscii(QChar c)
{
    return Int16(static_cast<qint16>(c.unicode()));
}

} // namespace

HiddenNumberField::HiddenNumberField(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new DigitsOnly(this));
    // The field takes digits only. An active input method would take digit keys into a
    // composition and Enter to commit it, so the number and Enter would never arrive.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText);
}

QVariant HiddenNumberField::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return inputMethodQuery(query, QVariant());
}

QVariant HiddenNumberField::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const
{
    // A line edit answers this from its own state, whatever the attribute says.
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query, std::move(argument));
}

void HiddenNumberField::keyPressEvent(QKeyEvent *event)
{
    if (!m_keyPress || !typesCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString kept;
    for (QChar c : event->text()) {
        Int16 code = keyAscii(c);
        m_keyPress(code);
        if (code != 0)
            kept.append(QChar(static_cast<char16_t>(code.value())));
    }
    // Kept as typed: digits insert, backspace erases and a carriage return goes on to the
    // window, where it presses the default button.
    if (kept == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (const QString digits = keepDigits(kept); !digits.isEmpty())
        insert(digits);
}

#include "HiddenNumberField.moc"
