#pragma once

#include "app/Desktop.h"

class QWidget;

// The desktop services through Qt: the default browser and a modal About box.
class QtDesktop final : public Desktop
{
public:
    explicit QtDesktop(QWidget *owner = nullptr) : m_owner(owner) {}

    void openAddress(const QString &address) override;
    void showAbout(const QString &appName, const QString &extraText) override;

private:
    QWidget *m_owner;
};
