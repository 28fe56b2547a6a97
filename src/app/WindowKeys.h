#pragma once

#include <QKeyCombination>

// What a key pressed in the main window asks for, beyond zoom and full screen.
enum class WindowCommand {
    None,
    // Enter, and the "next" keys of a presenter remote: Page Down and the Right arrow.
    Pick,
    ClassList,
    OpenClass,
};

WindowCommand windowCommandFor(QKeyCombination key);

// Enter reaches the window through the number field's key press procedure, as typed characters
// do; the field would take the other command keys as cursor movement, so they come first.
bool passesThroughNumberField(QKeyCombination key);
