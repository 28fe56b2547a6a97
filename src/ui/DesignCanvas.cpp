#include "DesignCanvas.h"

#include "FittingLabel.h"

#include <utility>

DesignCanvas::DesignCanvas(const QFont &designFont, QWidget *parent)
    : QWidget(parent), m_designFont(designFont)
{
    setFont(m_designFont);
}

void DesignCanvas::place(QWidget *widget, QRect twips)
{
    m_placed.append({widget, twips});
    widget->setGeometry(m_scale.rect(twips));
}

DesignCanvas::Placed *DesignCanvas::placementOf(const QWidget *widget)
{
    for (Placed &placed : m_placed) {
        if (placed.widget == widget)
            return &placed;
    }
    return nullptr;
}

void DesignCanvas::moveLeft(QWidget *widget, int twips)
{
    // Held in twips, so a position set by the logic reads back exactly; only the display is
    // rounded to pixels.
    Placed *placed = placementOf(widget);
    placed->twips.moveLeft(twips);
    widget->move(m_scale.px(twips), widget->y());
}

int DesignCanvas::leftOf(const QWidget *widget) const
{
    for (const Placed &placed : m_placed) {
        if (placed.widget == widget)
            return placed.twips.left();
    }
    return 0;
}

void DesignCanvas::setScale(const Scale &scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    layOut();
}

void DesignCanvas::layOut()
{
    setFont(m_scale.font(m_designFont));
    for (const auto &[widget, twips] : std::as_const(m_placed))
        widget->setGeometry(m_scale.rect(twips));
    // After the geometry: a caption is fitted to its label's width.
    for (const auto &[widget, twips] : std::as_const(m_placed)) {
        if (auto *label = qobject_cast<FittingLabel *>(widget))
            label->setScale(m_scale);
    }
}
