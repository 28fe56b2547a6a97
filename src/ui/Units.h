#pragma once

#include "pick/View.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <QtMath>

// The window is designed in twips; Qt lays out in device-independent pixels (15 twips each at
// 96 dots per inch). Qt scales pixels to the screen, so this one factor serves every screen.
inline constexpr int twipsPerPixel = 15;

// How large the window draws its design: 1 is the design's own size. Twips become pixels and
// points become font sizes only here, so every position, size and font grows together.
class Scale
{
public:
    constexpr Scale() = default;
    explicit constexpr Scale(double factor) : m_factor(factor) {}
    static constexpr Scale percent(int percent) { return Scale(percent / 100.0); }

    constexpr double factor() const { return m_factor; }
    int px(int twips) const { return qRound(twips * m_factor / twipsPerPixel); }
    QSize size(QSize twips) const { return QSize(px(twips.width()), px(twips.height())); }
    QRect rect(QRect twips) const
    {
        return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
    }
    constexpr qreal points(qreal designPoints) const { return designPoints * m_factor; }
    QFont font(QFont design) const
    {
        design.setPointSizeF(points(design.pointSizeF()));
        return design;
    }

    constexpr bool operator==(const Scale &) const = default;

private:
    double m_factor = 1;
};

// Colours are held red in the low byte, as the design writes them.
inline QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline void setRoleColour(QWidget *widget, QPalette::ColorRole role, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    widget->setPalette(palette);
}
