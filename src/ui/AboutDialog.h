#pragma once

#include <QDialog>

// The small About box where the platform has no standard one: icon, name and a line of text.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(const QString &appName, const QString &extraText, QWidget *owner = nullptr);
};
