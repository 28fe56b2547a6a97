#include "WindowMenu.h"

#include "PickerWindow.h"
#include "Zoom.h"

#include <QMenu>

using namespace Qt::StringLiterals;

WindowMenu::WindowMenu(PickerWindow &window) : QObject(&window), m_window(window)
{
    setObjectName(u"windowMenu"_s);
    m_menu = new QMenu(&window);
    m_menu->setObjectName(u"windowMenu"_s);
    m_fullScreen = addItem("fullScreenItem", u"Full screen"_s, QKeySequence(Qt::Key_F11),
                           &WindowMenu::toggleFullScreen);
    m_fullScreen->setCheckable(true);
    m_menu->addSeparator();
    m_zoomIn = addItem("zoomInItem", u"Zoom in"_s, QKeySequence(Qt::CTRL | Qt::Key_Plus),
                       &WindowMenu::zoomIn);
    m_zoomOut = addItem("zoomOutItem", u"Zoom out"_s, QKeySequence(Qt::CTRL | Qt::Key_Minus),
                        &WindowMenu::zoomOut);
    m_actualSize = addItem("actualSizeItem", u"Actual size"_s, QKeySequence(Qt::CTRL | Qt::Key_0),
                           &WindowMenu::showActualSize);
    m_menu->addSeparator();
    addItem("classListItem", u"Class list"_s, QKeySequence(Qt::Key_F2),
            &WindowMenu::requestClassList);
    m_openClass = addItem("openClassItem", u"Open class…"_s, QKeySequence(Qt::CTRL | Qt::Key_O),
                          &WindowMenu::requestOpenClass);

    connect(m_menu, &QMenu::aboutToShow, this, &WindowMenu::updateItems);
    // Digits typed after the menu closes must reach the hidden field, as they do at start.
    connect(m_menu, &QMenu::aboutToHide, &m_window, &PickerWindow::focusChosenNumberField);
    m_window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_window, &QWidget::customContextMenuRequested, this, &WindowMenu::popUp);
}

QAction *WindowMenu::addItem(const char *name, const QString &text, const QKeySequence &key,
                             void (WindowMenu::*slot)())
{
    QAction *item = m_menu->addAction(text);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(key);
    // Shown only: the window acts on its keys itself, and must not act twice.
    item->setShortcutContext(Qt::WidgetShortcut);
    connect(item, &QAction::triggered, this, slot);
    return item;
}

void WindowMenu::popUp(QPoint pos)
{
    // The menu key in the hidden field asks for the menu below the picture.
    const QPoint where = m_window.rect().contains(pos) ? pos : m_window.rect().center();
    m_menu->popup(m_window.mapToGlobal(where));
}

void WindowMenu::updateItems()
{
    const bool fullScreen = m_window.isFullScreenView();
    m_fullScreen->setChecked(fullScreen);
    // In full screen the picture already fills the screen.
    m_zoomIn->setEnabled(!fullScreen && m_window.zoom() < largestZoom);
    m_zoomOut->setEnabled(!fullScreen && m_window.zoom() > smallestZoom);
    m_actualSize->setEnabled(!fullScreen);
    m_openClass->setEnabled(!m_window.isPicking());
}

void WindowMenu::toggleFullScreen()
{
    m_window.setFullScreenView(!m_window.isFullScreenView());
}

void WindowMenu::zoomIn()
{
    m_window.zoomController().zoomIn();
}

void WindowMenu::zoomOut()
{
    m_window.zoomController().zoomOut();
}

void WindowMenu::showActualSize()
{
    m_window.zoomController().showActualSize();
}

void WindowMenu::requestClassList()
{
    m_window.requestClassList();
}

void WindowMenu::requestOpenClass()
{
    m_window.requestOpenClass();
}
