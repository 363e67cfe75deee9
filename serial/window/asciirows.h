#pragma once

#include <QGlyphRun>
#include <QLatin1String>
#include <QList>
#include <QRawFont>

class QFont;
class QPainter;
class QPalette;

// Rows of printable ASCII characters drawn with the glyphs and places the
// font's own text layout gives them, without laying each row out; usable when
// the font gives every such character one glyph of the same advance.
class AsciiRows
{
public:
    // Measures the font for rows that start at the left margin.
    AsciiRows(const QFont &font, qreal margin);

    // The height of a row as a text layout makes it.
    qreal rowHeight() const { return height; }
    // Whether the line can be drawn here in one row that ends at x = right.
    bool fits(QLatin1String line, qreal right) const;
    // Draws the line with its top at y, characters from..to selected.
    void draw(QPainter &painter, QLatin1String line, qreal y, int from, int to,
              const QPalette &palette) const;
    // Where the character of the column is drawn in a row with its top at y.
    QRectF columnRect(int column, qreal y) const;
    // The character boundary nearest to x.
    int columnAt(qreal x, int length) const;

private:
    void drawGlyphs(QPainter &painter, QLatin1String line, qreal y, int from, int to) const;

    QRawFont font;
    QList<quint32> glyphs;    // of ' ' to '~'
    QList<QPointF> positions; // of the columns, from a row's top
    qreal advance = 0;
    qreal height = 0;
};
