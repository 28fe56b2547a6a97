#include "ClassListWindow.h"

#include "app/PickController.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The list's size and text at 100 %, in twips and points, as the main window is designed.
constexpr QSize designSize(4800, 7200);
constexpr qreal designPoints = 10;

QString statusText(TurnStatus status)
{
    switch (status) {
    case TurnStatus::HadTurn:
        return u"Had a turn"_s;
    case TurnStatus::Waiting:
        return u"Waiting"_s;
    case TurnStatus::Absent:
        return u"Absent today"_s;
    }
    return {};
}

bool askNewRound(QWidget *parent)
{
    return QMessageBox::question(parent, u"New round"_s,
                                 u"Start a new round? Everyone waits for a turn again."_s)
        == QMessageBox::Yes;
}

} // namespace

ClassListWindow::ClassListWindow(PickController &controller, QWidget *parent)
    : QWidget(parent, Qt::Window), m_controller(controller), m_confirmNewRound(askNewRound)
{
    setObjectName(u"classListWindow"_s);
    setWindowTitle(u"Class list"_s);

    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(u"classList"_s);
    m_table->setHorizontalHeaderLabels({u"No."_s, u"Name"_s, u"This round"_s});
    m_table->verticalHeader()->hide();
    // The name takes the room that the number and the standing leave.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    // Space, Esc and F2 mean something here before the table or the button sees them.
    m_table->installEventFilter(this);

    m_note = new QLabel(this);
    m_note->setObjectName(u"classListNote"_s);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);

    m_newRoundButton = new QPushButton(u"New round"_s, this);
    m_newRoundButton->setObjectName(u"newRoundButton"_s);
    m_newRoundButton->setAutoDefault(false);
    connect(m_newRoundButton, &QPushButton::clicked, this, &ClassListWindow::newRound);
    m_newRoundButton->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_note, 1);
    buttons->addWidget(m_newRoundButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    follow(Scale(), false);
}

void ClassListWindow::open()
{
    m_note->clear();
    refresh();
    m_table->setCurrentCell(0, 0);
    if (m_fullScreen)
        showFullScreen();
    else
        showNormal();
    raise();
    activateWindow();
    m_table->setFocus();
}

void ClassListWindow::follow(Scale scale, bool fullScreen)
{
    m_scale = scale;
    m_fullScreen = fullScreen;
    QFont font = QApplication::font();
    font.setPointSizeF(scale.points(designPoints));
    setFont(font);
    m_table->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() * 3 / 2);
    if (fullScreen) {
        if (isVisible())
            showFullScreen();
        return;
    }
    if (isFullScreen())
        showNormal();
    const QSize room = screen() ? screen()->availableGeometry().size() : QSize();
    resize(scale.size(designSize).boundedTo(room.isValid() ? room : scale.size(designSize)));
}

void ClassListWindow::refresh()
{
    const QList<ClassListEntry> entries = m_controller.classList();
    const int current = m_table->currentRow();
    m_table->setRowCount(int(entries.size()));
    for (int row = 0; row < entries.size(); ++row) {
        const ClassListEntry &entry = entries[row];
        const QStringList cells{QString::number(entry.number), entry.name, statusText(entry.status)};
        for (int column = 0; column < cells.size(); ++column) {
            QTableWidgetItem *item = m_table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                m_table->setItem(row, column, item);
            }
            item->setText(cells[column]);
        }
    }
    if (current >= 0 && current < m_table->rowCount())
        m_table->setCurrentCell(current, 0);
}

void ClassListWindow::toggleSelected()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    const std::optional<AbsentToggle> toggled = m_controller.toggleAbsent(row + 1);
    if (!toggled)
        return;
    m_note->setText(*toggled == AbsentToggle::RefusedLastPresent
                        ? u"The last student present cannot be marked absent."_s
                        : QString());
    refresh();
}

void ClassListWindow::newRound()
{
    if (!m_confirmNewRound(this))
        return;
    m_controller.startNewRound();
    m_note->clear();
    refresh();
}

bool ClassListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination combination = key->keyCombination();
    if (watched == m_table && combination == QKeyCombination(Qt::Key_Space)) {
        if (!key->isAutoRepeat())
            toggleSelected();
        return true;
    }
    if (combination == QKeyCombination(Qt::Key_Escape)
        || combination == QKeyCombination(Qt::Key_F2)) {
        if (!key->isAutoRepeat())
            close();
        return true;
    }
    // Zoom and full screen work here as in the main window, and the list follows.
    return m_windowKey && m_windowKey(combination, key->isAutoRepeat());
}

// A pick made while the list is open shows once the list has the keyboard again.
bool ClassListWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && isVisible())
        refresh();
    return QWidget::event(event);
}

void ClassListWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}
