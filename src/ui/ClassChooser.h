#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;

// The classes of a folder of classes, by name, for the teacher to open one: the first is
// selected; Up and Down move, Enter or a double-click opens, Esc or closing opens none.
class ClassChooser final : public QWidget
{
    Q_OBJECT

public:
    explicit ClassChooser(const QStringList &classes, QWidget *parent = nullptr);

    // As the main window would be shown: percent of its size, or full screen.
    void showAt(int zoomPercent, bool fullScreen);

signals:
    void chosen(const QString &name);
    // Esc, or the window closed, before a class was chosen.
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void choose();

    QListWidget *m_list = nullptr;
    bool m_answered = false;
};
