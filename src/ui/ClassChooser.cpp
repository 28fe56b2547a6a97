#include "ClassChooser.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// At 100 %: about the main window's width, room for eight names read from the back row.
constexpr QSize designSize(320, 360);
constexpr qreal designPointSize = 14;

} // namespace

ClassChooser::ClassChooser(const QStringList &classes, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(u"classChooser"_s);
    setWindowTitle(u"Tombolix"_s);
    auto *heading = new QLabel(u"選擇班級 Choose a class"_s, this);
    heading->setObjectName(u"chooserHeading"_s);
    m_list = new QListWidget(this);
    m_list->setObjectName(u"classList"_s);
    m_list->addItems(classes);
    m_list->setCurrentRow(0);
    // Enter, or a double-click (a single click where the desktop opens items so).
    connect(m_list, &QListWidget::itemActivated, this, &ClassChooser::choose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list);
    m_list->setFocus();
}

void ClassChooser::showAt(int zoomPercent, bool fullScreen)
{
    qreal scale = zoomPercent / 100.0;
    if (fullScreen) {
        const QSize room = screen()->size();
        scale = std::min(qreal(room.width()) / designSize.width(),
                         qreal(room.height()) / designSize.height());
    }
    QFont scaled = font();
    scaled.setPointSizeF(designPointSize * scale);
    setFont(scaled);
    if (fullScreen) {
        showFullScreen();
        return;
    }
    // Capped to the screen, as the main window's zoom is.
    resize(designSize.scaled(designSize * scale, Qt::KeepAspectRatio)
               .boundedTo(screen()->availableSize()));
    show();
}

void ClassChooser::choose()
{
    if (m_answered || !m_list->currentItem())
        return;
    m_answered = true;
    emit chosen(m_list->currentItem()->text());
}

void ClassChooser::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClassChooser::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!std::exchange(m_answered, true))
        emit cancelled();
}
