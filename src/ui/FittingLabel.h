#pragma once

#include "Units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QList>
#include <QString>

// A label whose caption is never cut off. A caption that fits keeps the design font exactly.
// A wider one is shown whole on one line in the same family and weight at the largest size
// that fits; below the smallest readable size it may wrap, and only past that is it elided.
class FittingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FittingLabel(QWidget *parent = nullptr);

    // Every caption is fitted from this font, never from the size the last caption needed. With
    // smallestPointSize at the font's own size, a caption too wide is cut off as in a QLabel.
    void setDesign(const QFont &font, qreal smallestPointSize, int maxLines = 1);
    // The window's scale: the font, the smallest size and the steps between sizes grow with
    // it, so a caption is fitted at any scale as at the design's size.
    void setScale(const Scale &scale);
    // The design font at the window's scale, which captions are fitted from.
    const QFont &designFont() const { return m_design; }

    // The whole caption; text() is what fits of it, the same unless it had to be elided.
    void setCaption(const QString &caption);
    const QString &caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fit();
    QList<qsizetype> lineStarts(const QFont &font) const;
    QString linesOf(const QList<qsizetype> &starts, qsizetype count) const;
    void scaleDesign();
    void display(const QString &text, const QFont &font, int lines);

    QString m_caption;
    QFont m_unscaled;
    qreal m_unscaledSmallest = 1;
    Scale m_scale;
    QFont m_design;
    QFontMetricsF m_designMetrics;
    qreal m_smallest = 1;
    qreal m_step = 0.5;
    int m_maxLines = 1;
    // The caption is drawn here rather than by the label; see paintEvent.
    bool m_drawsBold = false;
};
