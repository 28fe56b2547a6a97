#include "FittingLabel.h"

#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal designPointStep = 0.5;

QFont atSize(QFont font, qreal points)
{
    font.setPointSizeF(points);
    return font;
}

// Whether text drawn from its outlines lacks the bold that FreeType makes up for a family with no
// bold face of its own, as Qt 6.4 leaves it out there.
bool outlinesLackBold(const QFont &font, const QString &text)
{
    if (font.weight() < QFont::Bold || text.isEmpty())
        return false;
    QFont regular = font;
    regular.setWeight(QFont::Normal);
    QPainterPath bold;
    QPainterPath plain;
    bold.addText(0, 0, font, text.left(1));
    plain.addText(0, 0, regular, text.left(1));
    return bold == plain;
}

} // namespace

FittingLabel::FittingLabel(QWidget *parent) : QLabel(parent), m_designMetrics(font()) {}

void FittingLabel::setDesign(const QFont &font, qreal smallestPointSize, int maxLines)
{
    m_unscaled = font;
    m_unscaledSmallest = smallestPointSize;
    m_maxLines = std::max(1, maxLines);
    scaleDesign();
}

void FittingLabel::setScale(const Scale &scale)
{
    m_scale = scale;
    scaleDesign();
}

void FittingLabel::scaleDesign()
{
    m_design = m_scale.font(m_unscaled);
    m_designMetrics = QFontMetricsF(m_design, this);
    m_smallest = m_scale.points(m_unscaledSmallest);
    m_step = m_scale.points(designPointStep);
    fit();
}

void FittingLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    fit();
}

void FittingLabel::fit()
{
    const qreal room = width();
    // The ordinary case, and every tick of a count in a class below 100: one measurement.
    const qreal designWidth = m_designMetrics.horizontalAdvance(m_caption);
    // A label that may not shrink is shown as any label is, cut at its edge.
    if (designWidth <= room || m_unscaledSmallest >= m_unscaled.pointSizeF()) {
        display(m_caption, m_design, 1);
        return;
    }

    // Width grows about in step with the size, so start there; hinting may make the largest
    // size that fits a step either side of it.
    const qreal designPoints = m_design.pointSizeF();
    const auto fitsOneLine = [this](qreal points) {
        return QFontMetricsF(atSize(m_design, points), this).horizontalAdvance(m_caption)
            <= width();
    };
    qreal points = std::floor(designPoints * room / designWidth / m_step) * m_step;
    points = std::max(m_smallest, std::min(points, designPoints - m_step));
    while (points >= m_smallest && !fitsOneLine(points))
        points -= m_step;
    if (points >= m_smallest) {
        while (points + m_step < designPoints && fitsOneLine(points + m_step))
            points += m_step;
        display(m_caption, atSize(m_design, points), 1);
        return;
    }

    // Too long for one line at the smallest size: as large as still fits on the lines allowed.
    QList<qsizetype> best;
    qreal bestPoints = 0;
    for (points = m_smallest; m_maxLines > 1 && points < designPoints; points += m_step) {
        const QFont font = atSize(m_design, points);
        const QList<qsizetype> starts = lineStarts(font);
        const qreal height = starts.size() * QFontMetricsF(font, this).lineSpacing();
        if (starts.size() > m_maxLines || height > this->height())
            break;
        best = starts;
        bestPoints = points;
    }
    if (!best.isEmpty()) {
        display(linesOf(best, best.size()), atSize(m_design, bestPoints), int(best.size()));
        return;
    }

    // Past that, the last line ends in an ellipsis.
    const QFont font = atSize(m_design, m_smallest);
    const QFontMetricsF metrics(font, this);
    const QList<qsizetype> starts = lineStarts(font);
    const auto fitting = qsizetype(std::max(1.0, std::floor(height() / metrics.lineSpacing())));
    const qsizetype lines = std::min({qsizetype(m_maxLines), fitting, starts.size()});
    QString text = linesOf(starts, lines - 1);
    if (lines > 1)
        text += u'\n';
    const QString rest = m_caption.mid(starts[lines - 1]).trimmed();
    text += metrics.elidedText(rest, Qt::ElideRight, room);
    display(text, font, int(lines));
}

// Where each line starts when the caption is wrapped at the label's width: between words
// where it can be, inside a word that is wider than the label by itself.
QList<qsizetype> FittingLabel::lineStarts(const QFont &font) const
{
    QTextLayout layout(m_caption, font, this);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QList<qsizetype> starts;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        starts.append(line.textStart());
    }
    layout.endLayout();
    if (starts.isEmpty())
        starts.append(0);
    return starts;
}

QString FittingLabel::linesOf(const QList<qsizetype> &starts, qsizetype count) const
{
    QStringList lines;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1] : m_caption.size();
        lines.append(m_caption.mid(starts[i], end - starts[i]).trimmed());
    }
    return lines.join(u'\n');
}

void FittingLabel::display(const QString &text, const QFont &font, int lines)
{
    setFont(font);
    setText(text);
    // Qt draws glyphs from their outlines once they are large, as at a zoom; at the design's
    // size it draws them as they always were.
    m_drawsBold = m_scale != Scale() && outlinesLackBold(font, text);
    // Screen readers read the whole caption, also where it is shown on two lines or cut short.
    if (const QString name = text == m_caption ? QString() : m_caption; accessibleName() != name)
        setAccessibleName(name);
    // A smaller caption sits where the middle of a design-size line would, so a shrunk name
    // stays level with the number beside it.
    const QFontMetricsF metrics(font, this);
    const qreal shownHeight = lines == 1 ? metrics.height() : lines * metrics.lineSpacing();
    const int top = std::max(0, qRound((m_designMetrics.height() - shownHeight) / 2));
    setContentsMargins(0, top, 0, 0);
}

void FittingLabel::paintEvent(QPaintEvent *event)
{
    if (!m_drawsBold) {
        QLabel::paintEvent(event);
        return;
    }
    // The caption's outlines, laid out as the label lays out its lines, widened by a 24th of
    // the em: the bold FreeType makes up.
    const QFontMetricsF metrics(font(), this);
    const QRectF room = contentsRect();
    QPainterPath path;
    qreal baseline = room.top() + metrics.ascent();
    for (const QString &line : text().split(u'\n')) {
        qreal left = room.left();
        if (alignment() & Qt::AlignHCenter)
            left += (room.width() - metrics.horizontalAdvance(line)) / 2;
        path.addText(left, baseline, font(), line);
        baseline += metrics.lineSpacing();
    }
    const QColor colour = palette().color(foregroundRole());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path,
                       QPen(colour, QFontInfo(font()).pixelSize() / 24.0, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, colour);
}
