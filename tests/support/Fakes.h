#pragma once

#include "app/Desktop.h"
#include "errors/ReportError.h"

#include <QStringList>

class FakeErrorDialog final : public ErrorDialog
{
public:
    void showError(const QString &title, const QString &text) override
    {
        titles.append(title);
        texts.append(text);
    }
    void endProgram(int exitStatus) override
    {
        ++endRequests;
        lastStatus = exitStatus;
    }

    QStringList titles;
    QStringList texts;
    int endRequests = 0;
    int lastStatus = 0;
};

class FakeDesktop final : public Desktop
{
public:
    void openAddress(const QString &address) override { opened.append(address); }
    void showAbout(const QString &appName, const QString &extraText) override
    {
        aboutShown.append(appName + u'|' + extraText);
    }

    QStringList opened;
    QStringList aboutShown;
};
