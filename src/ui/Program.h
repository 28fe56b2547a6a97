#pragma once

#include "app/PickController.h"
#include "draw/ClockSeededSource.h"
#include "ui/ClassListWindow.h"
#include "ui/MessageBoxErrorDialog.h"
#include "ui/PickerWindow.h"
#include "ui/QtDesktop.h"

#include <QString>

// Application-wide settings the window relies on: names, icon, fonts, the cursor.
void prepareApplication();

// The program as it runs: the window with its dialogs and desktop, and the logic behind them.
struct Program
{
    explicit Program(MessageBoxErrorDialog::Quit quit = {});

    // Initialises and loads the class; true when the window may be shown.
    bool start(const QString &settingsPath = settingsFileName());

    PickerWindow window;
    MessageBoxErrorDialog dialog;
    QtDesktop desktop;
    ClockSeededSource source;
    PickController controller;
    // Owned by the window, so it never keeps the program running on its own.
    ClassListWindow *classList;
};
