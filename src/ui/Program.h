#pragma once

#include "app/Form1.h"
#include "draw/ClockSeededSource.h"
#include "ui/Form1Window.h"
#include "ui/MessageBoxErrorDialog.h"
#include "ui/QtDesktop.h"

#include <QString>

// Application-wide settings the window relies on: names, icon, fonts, the cursor.
void prepareApplication();

// The program as it runs: the window with its dialogs and desktop, and the logic behind them.
struct Program
{
    explicit Program(MessageBoxErrorDialog::Quit quit = {});

    // Initialises and loads the class; true when the window may be shown.
    bool start(const QString &settingsPath = QStringLiteral("rand.ini"));

    Form1Window window;
    MessageBoxErrorDialog dialog;
    QtDesktop desktop;
    ClockSeededSource source;
    Form1 form;
};
