#pragma once

#include "app/Desktop.h"

class QWidget;

// The desktop services: the default browser through Qt; the common controls and the About box
// as the platform provides them (PlatformShell.h).
class QtDesktop final : public Desktop
{
public:
    explicit QtDesktop(QWidget *owner = nullptr) : m_owner(owner) {}

    void initialiseControls() override;
    void openAddress(const QString &address) override;
    void showAbout(const QString &appName, const QString &extraText) override;

private:
    QWidget *m_owner;
};
