#pragma once

#include <QString>

// The desktop services behind the two link labels.
class Desktop
{
public:
    virtual ~Desktop() = default;
    // Whatever the platform sets up before the first window; nothing where the toolkit does it.
    virtual void initialiseControls() {}
    // The result is not examined: a browser that fails to start is not our failure.
    virtual void openAddress(const QString &address) = 0;
    // Modal; returns when the dialog is closed.
    virtual void showAbout(const QString &appName, const QString &extraText) = 0;
};
