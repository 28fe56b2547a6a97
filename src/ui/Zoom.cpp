#include "Zoom.h"

#include <algorithm>
#include <array>

namespace {

// Fine steps where a projector's size is usually found, coarser above.
constexpr std::array zoomSteps{100, 125, 150, 175, 200, 250, 300, 350, 400};
static_assert(zoomSteps.front() == smallestZoom && zoomSteps.back() == largestZoom);

} // namespace

int zoomInStep(int percent)
{
    const auto *next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    return next == zoomSteps.end() ? largestZoom : *next;
}

int zoomOutStep(int percent)
{
    // A zoom capped between two steps goes down to the step below it.
    const auto *next = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    return next == zoomSteps.begin() ? smallestZoom : *(next - 1);
}

int fittingZoom(int percent, QSize room)
{
    percent = std::clamp(percent, smallestZoom, largestZoom);
    // Counting down keeps the test the one the window is sized by, rounding included.
    while (percent > smallestZoom) {
        const QSize client = Scale::percent(percent).size(designClient);
        if (client.width() <= room.width() && client.height() <= room.height())
            break;
        --percent;
    }
    return percent;
}

FullScreenPlacement fullScreenPlacement(QSize screen)
{
    const Scale scale(std::min(double(screen.width()) * twipsPerPixel / designClient.width(),
                               double(screen.height()) * twipsPerPixel / designClient.height()));
    const QSize client = scale.size(designClient);
    const QPoint topLeft((screen.width() - client.width()) / 2,
                         (screen.height() - client.height()) / 2);
    return {scale, QRect(topLeft, client)};
}

QPoint keptOnScreen(QRect frame, QRect room)
{
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    return frame.topLeft();
}
