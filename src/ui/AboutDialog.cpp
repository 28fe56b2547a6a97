#include "AboutDialog.h"

#include "AppIcon.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

AboutDialog::AboutDialog(const QString &appName, const QString &extraText, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About %1").arg(appName));
    setWindowIcon(appIcon());
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(appIcon().pixmap(32, 32));
    auto *name = new QLabel(appName, this);
    name->setObjectName(QStringLiteral("appName"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto *extra = new QLabel(extraText, this);
    extra->setObjectName(QStringLiteral("extraText"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(extra, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
