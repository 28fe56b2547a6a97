#pragma once

#include "Units.h"

#include <QRect>
#include <QSize>

// The client area as designed, in twips; the hidden field begins at its bottom edge.
inline constexpr QSize designClient(4785, 2640);

inline constexpr int smallestZoom = 100;
inline constexpr int largestZoom = 400;

// The next zoom step up or down from a zoom in percent, within smallestZoom..largestZoom.
int zoomInStep(int percent);
int zoomOutStep(int percent);

// The given zoom, or the largest whole percent below it whose client area fits the room; never
// below smallestZoom, which is the design's size and shown whatever the screen.
int fittingZoom(int percent, QSize room);

// The client area on a screen of the given size in full screen: scaled alike in both directions
// to the largest size that fits, and centred.
struct FullScreenPlacement
{
    Scale scale;
    QRect client;
};
FullScreenPlacement fullScreenPlacement(QSize screen);

// Where a window's frame goes so that it lies on the screen's room as far as it can: moved back
// from the right and bottom edges first, so a window larger than the room shows its top left.
QPoint keptOnScreen(QRect frame, QRect room);
