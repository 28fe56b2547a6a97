#pragma once

#include <QKeyCombination>
#include <QMargins>
#include <QSize>

// What zooming needs of the window it sizes.
class ZoomSurface
{
public:
    virtual ~ZoomSurface() = default;
    // The room on the window's screen, less the taskbar and panels.
    virtual QSize screenRoom() const = 0;
    // The window manager's frame around the window as it is now; empty before it is shown.
    virtual QMargins frameMargins() const = 0;
    // The window at a fixed size, the picture at percent of the design's size.
    virtual void showAtZoom(int percent) = 0;
    virtual void showFullScreen(bool on) = 0;
    // Moves the window back onto its screen where it reaches past it.
    virtual void keepOnScreen() = 0;
};

// The size the picture is shown at for a projector: a zoom from 100 % to 400 % that the window
// with its frame always fits on the screen, or full screen. Keys: F11 toggles full screen and
// Esc leaves it, F5 turns it on; Ctrl + plus (or =) zooms in, Ctrl + minus out, Ctrl + 0 back to 100 %.
class ZoomController
{
public:
    explicit ZoomController(ZoomSurface &surface) : m_surface(surface) {}

    // Capped to the largest whole percent that fits the screen.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    void setFullScreen(bool on);
    bool isFullScreen() const { return m_fullScreen; }

    // Acts on a zoom or full-screen key and returns true; any other key is left alone.
    bool handleKey(QKeyCombination key, bool autoRepeat);
    // A step as the keys take it; false, and nothing changes, in full screen.
    bool zoomIn();
    bool zoomOut();
    bool showActualSize();
    // The window moved: its frame may have become known, or its screen changed.
    void windowMoved();

private:
    QSize roomForPicture() const;
    bool zoomTo(int percent);

    ZoomSurface &m_surface;
    int m_zoom = 100;
    bool m_fullScreen = false;
    // Last seen outside full screen, where the frame needs room on the screen too.
    QMargins m_frame;
    QSize m_screenRoom;
};
