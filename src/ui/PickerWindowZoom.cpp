#include "PickerWindow.h"

#include "DesignCanvas.h"
#include "Zoom.h"

#include <QScreen>
#include <QWindow>

// The window as the zoom controller sizes it: at a zoom, or filling the screen.

QSize PickerWindow::screenRoom() const
{
    return screen()->availableGeometry().size();
}

QMargins PickerWindow::frameMargins() const
{
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

// A fixed size that the picture fills.
void PickerWindow::showAtZoom(int percent)
{
    const Scale scale = Scale::percent(percent);
    const QSize client = scale.size(designClient);
    setFixedSize(client);
    m_canvas->setGeometry(QRect(QPoint(), client));
    m_canvas->setScale(scale);
    emit pictureScaleChanged();
}

void PickerWindow::showFullScreen(bool on)
{
    if (!on) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        return;
    }
    // A window manager may refuse full screen to a window that cannot be resized.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowState(windowState() | Qt::WindowFullScreen);
    fillScreen();
}

// The picture as large as the window, now the screen, allows.
void PickerWindow::fillScreen()
{
    const FullScreenPlacement placement = fullScreenPlacement(size());
    m_canvas->setGeometry(placement.client);
    m_canvas->setScale(placement.scale);
    emit pictureScaleChanged();
}

void PickerWindow::keepOnScreen()
{
    const QPoint topLeft = keptOnScreen(frameGeometry(), screen()->availableGeometry());
    if (topLeft != frameGeometry().topLeft())
        move(topLeft);
}

Scale PickerWindow::pictureScale() const
{
    return m_canvas->scale();
}
