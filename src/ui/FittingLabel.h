#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QList>
#include <QString>

// A label whose caption is never cut off. A caption that fits keeps the design font exactly.
// A wider one is shown whole on one line in the same family and weight at the largest size
// that fits; below the smallest readable size it may wrap, and only past that is it elided.
class FittingLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit FittingLabel(QWidget *parent = nullptr);

    // Every caption is fitted from this font, never from the size the last caption needed.
    void setDesign(const QFont &font, qreal smallestPointSize, int maxLines = 1);
    const QFont &designFont() const { return m_design; }

    // The whole caption; text() is what fits of it, the same unless it had to be elided.
    void setCaption(const QString &caption);
    const QString &caption() const { return m_caption; }

private:
    void fit();
    QList<qsizetype> lineStarts(const QFont &font) const;
    QString linesOf(const QList<qsizetype> &starts, qsizetype count) const;
    void display(const QString &text, const QFont &font, int lines);

    QString m_caption;
    QFont m_design;
    QFontMetricsF m_designMetrics;
    qreal m_smallest = 1;
    int m_maxLines = 1;
};
