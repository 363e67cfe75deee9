#include "asciirows.h"

#include "receivedtext.h"

#include <QPainter>
#include <QPalette>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <array>

namespace {
constexpr char FirstPrintable = 0x20;
constexpr char LastPrintable = 0x7E;

bool printable(char c)
{
    return c >= FirstPrintable && c <= LastPrintable;
}
} // namespace

AsciiRows::AsciiRows(const QFont &font, qreal margin)
{
    QString all;
    for (char c = FirstPrintable; c <= LastPrintable; ++c)
        all += QLatin1Char(c);
    QTextLayout sample(all, font);
    sample.beginLayout();
    QTextLine line = sample.createLine();
    line.setLeadingIncluded(true);
    line.setPosition(QPointF(margin, 0));
    sample.endLayout();
    height = line.height();

    const QList<QGlyphRun> runs = sample.glyphRuns();
    if (runs.size() != 1 || runs.first().glyphIndexes().size() != all.size())
        return;
    const QList<QPointF> at = runs.first().positions();
    const qreal step = at[1].x() - at[0].x();
    for (qsizetype i = 1; i < at.size(); ++i) {
        if (at[i].x() - at[i - 1].x() != step || at[i].y() != at[0].y())
            return;
    }
    this->font = runs.first().rawFont();
    glyphs = runs.first().glyphIndexes();
    advance = step;
    for (int column = 0; column < ReceivedText::LineLength; ++column)
        positions.append(at[0] + QPointF(column * step, 0));
}

bool AsciiRows::fits(QLatin1String line, qreal right) const
{
    return advance > 0 && line.size() <= positions.size() &&
           positions.first().x() + line.size() * advance < right &&
           std::all_of(line.begin(), line.end(), printable);
}

void AsciiRows::draw(QPainter &painter, QLatin1String line, qreal y, int from, int to,
                     const QPalette &palette) const
{
    if (from < to) {
        // Whole pixels across, as a text layout highlights.
        const int left = qFloor(positions.first().x() + from * advance);
        const int right = qCeil(positions.first().x() + to * advance);
        painter.fillRect(QRectF(left, y, right - left, height), palette.highlight());
    }
    const QPen text = painter.pen();
    drawGlyphs(painter, line, y, 0, from);
    painter.setPen(palette.highlightedText().color());
    drawGlyphs(painter, line, y, from, to);
    painter.setPen(text);
    drawGlyphs(painter, line, y, to, int(line.size()));
}

// Draws the characters from..to; blanks have nothing to draw.
void AsciiRows::drawGlyphs(QPainter &painter, QLatin1String line, qreal y, int from, int to) const
{
    std::array<quint32, ReceivedText::LineLength> indexes;
    std::array<QPointF, ReceivedText::LineLength> places;
    int count = 0;
    for (int i = from; i < to; ++i) {
        if (line.at(i) == QLatin1Char(' '))
            continue;
        indexes[count] = glyphs[line.at(i).toLatin1() - FirstPrintable];
        places[count++] = positions[i];
    }
    if (count == 0)
        return;
    QGlyphRun run;
    run.setRawFont(font);
    run.setRawData(indexes.data(), places.data(), count);
    painter.drawGlyphRun(QPointF(0, y), run);
}

QRectF AsciiRows::columnRect(int column, qreal y) const
{
    return {positions.first().x() + column * advance, y, advance, height};
}

int AsciiRows::columnAt(qreal x, int length) const
{
    return qBound(0, qRound((x - positions.first().x()) / advance), length);
}
