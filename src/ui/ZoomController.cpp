#include "ZoomController.h"

#include "Zoom.h"

void ZoomController::setZoom(int percent)
{
    if (!m_fullScreen)
        m_frame = m_surface.frameMargins();
    m_screenRoom = m_surface.screenRoom();
    m_zoom = fittingZoom(percent, roomForPicture());
    if (!m_fullScreen)
        m_surface.showAtZoom(m_zoom);
}

QSize ZoomController::roomForPicture() const
{
    return m_screenRoom.shrunkBy(m_frame);
}

void ZoomController::setFullScreen(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    m_surface.showFullScreen(on);
    if (!on)
        m_surface.showAtZoom(m_zoom);
}

bool ZoomController::handleKey(QKeyCombination key, bool autoRepeat)
{
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && key.key() == Qt::Key_F11) {
        // A key held down would switch the projector to and fro.
        if (!autoRepeat)
            setFullScreen(!m_fullScreen);
        return true;
    }
    // F5 is the "start the show" key of a presenter remote; it only ever switches full screen on.
    if (modifiers == Qt::NoModifier && key.key() == Qt::Key_F5) {
        setFullScreen(true);
        return true;
    }
    if (modifiers == Qt::NoModifier && key.key() == Qt::Key_Escape && m_fullScreen) {
        setFullScreen(false);
        return true;
    }
    // Most keyboards need Shift for plus, and browsers take Ctrl + = as well.
    if ((modifiers & ~Qt::ShiftModifier) != Qt::ControlModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return zoomIn();
    case Qt::Key_Minus:
        return zoomOut();
    case Qt::Key_0:
        return showActualSize();
    default:
        return false;
    }
}

bool ZoomController::zoomTo(int percent)
{
    // In full screen the picture already fills the screen.
    if (m_fullScreen)
        return false;
    setZoom(percent);
    m_surface.keepOnScreen();
    return true;
}

bool ZoomController::zoomIn()
{
    return zoomTo(zoomInStep(m_zoom));
}

bool ZoomController::zoomOut()
{
    return zoomTo(zoomOutStep(m_zoom));
}

bool ZoomController::showActualSize()
{
    return zoomTo(smallestZoom);
}

void ZoomController::windowMoved()
{
    // The design's size is shown whatever the screen, and full screen fills whichever it is on.
    if (m_fullScreen || m_zoom == smallestZoom)
        return;
    if (m_surface.frameMargins() == m_frame && m_surface.screenRoom() == m_screenRoom)
        return;
    setZoom(m_zoom);
}
