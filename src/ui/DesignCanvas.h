#pragma once

#include "Units.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QWidget>

// The window's picture: the client area as designed, every control at a rectangle in twips,
// drawn at a scale. Controls that reach past the area are clipped at its edge, as the window's
// edge clips them at the design's size, so the hidden field stays out of sight at every scale.
class DesignCanvas final : public QWidget
{
    Q_OBJECT

public:
    explicit DesignCanvas(const QFont &designFont, QWidget *parent = nullptr);

    void place(QWidget *widget, QRect twips);
    // Moves a placed control across to a left edge in twips; it stays there at every scale.
    void moveLeft(QWidget *widget, int twips);
    int leftOf(const QWidget *widget) const;

    // Lays every control out again, its font and any fitted caption included, when it changes.
    void setScale(const Scale &scale);
    const Scale &scale() const { return m_scale; }

private:
    struct Placed
    {
        QWidget *widget;
        QRect twips;
    };

    void layOut();
    Placed *placementOf(const QWidget *widget);

    QFont m_designFont;
    QList<Placed> m_placed;
    Scale m_scale;
};
