#pragma once

#include "Units.h"

#include <QWidget>

#include <functional>

class PickController;
class QLabel;
class QPushButton;
class QTableWidget;

// The class list beside the main window: every number with its name and where it stands in this
// round. It shows what the logic says and hands the teacher's keys to it: Space marks the
// selected student absent or present, the button starts a new round after asking. Esc or F2
// closes it.
class ClassListWindow final : public QWidget
{
    Q_OBJECT

public:
    // Asks whether to start a new round; true to go ahead.
    using Confirm = std::function<bool(QWidget *parent)>;
    // A key for the main window (zoom, full screen); true when it acted on it.
    using WindowKey = std::function<bool(QKeyCombination key, bool autoRepeat)>;

    explicit ClassListWindow(PickController &controller, QWidget *parent = nullptr);

    void setConfirmNewRound(Confirm confirm) { m_confirmNewRound = std::move(confirm); }
    void setWindowKey(WindowKey windowKey) { m_windowKey = std::move(windowKey); }

    // Shows the list with number 1 selected, the roster read afresh.
    void open();
    // Drawn as large as the main window's picture, and full screen along with it.
    void follow(Scale scale, bool fullScreen);

signals:
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();
    void toggleSelected();
    void newRound();

    PickController &m_controller;
    QTableWidget *m_table = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_newRoundButton = nullptr;
    Confirm m_confirmNewRound;
    WindowKey m_windowKey;
    Scale m_scale;
    bool m_fullScreen = false;
};
