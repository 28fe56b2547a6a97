#pragma once

#include <QObject>

class PickerWindow;
class QAction;
class QMenu;
class QPoint;

// The main window's right-click menu: every window key, findable without the README, each
// item showing its key. The keys themselves stay with the window, which also takes them while
// the menu is closed; the menu only names them.
class WindowMenu final : public QObject
{
    Q_OBJECT

public:
    // Belongs to window, and opens on a right-click or the menu key anywhere in it.
    explicit WindowMenu(PickerWindow &window);

private:
    QAction *addItem(const char *name, const QString &text, const QKeySequence &key,
                     void (WindowMenu::*slot)());
    void popUp(QPoint pos);
    void updateItems();
    void toggleFullScreen();
    void zoomIn();
    void zoomOut();
    void showActualSize();
    void requestClassList();
    void requestOpenClass();

    PickerWindow &m_window;
    QMenu *m_menu = nullptr;
    QAction *m_fullScreen = nullptr;
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_actualSize = nullptr;
    QAction *m_openClass = nullptr;
};
