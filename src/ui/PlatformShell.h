#pragma once

#include <QString>

class QWidget;

// The two shell services that Qt has no equivalent for: on Windows the system's own (comctl32's
// InitCommonControls, shell32's ShellAboutW), elsewhere nothing and a small Qt dialog.
void initCommonControls();

// Modal; returns when the box is closed. Shows the program's icon.
void showStandardAbout(QWidget *owner, const QString &appName, const QString &extraText);
