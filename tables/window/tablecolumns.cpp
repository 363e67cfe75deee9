#include "tablecolumns.h"

#include "itemtexts.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace {
// The texts a column of items or numbers can hold at their widest; none for
// a column of free text.
QStringList widestTexts(TelegramTable kind, int column)
{
    const QStringList address = {QStringLiteral("15/7/255")};
    const QStringList byte = {QStringLiteral("255")};
    const QStringList value = {QStringLiteral("65535")};
    switch (kind) {
    case TelegramTable::Tele485ToKnxW:
        return QList<QStringList>{{}, {}, {}, type485ToKnxTexts(), address, lengthTexts(), value}
            .value(column);
    case TelegramTable::Tele1Byte:
        return QList<QStringList>{{}, {}, {}, {}, {}, address, lengthTexts(), byte, byte, byte}
            .value(column);
    case TelegramTable::TeleKnxTo485W:
        return QList<QStringList>{
            {}, typeKnxTo485Texts(), baudRateTexts(), address, lengthTexts(), value, {}}
            .value(column);
    }
    return {};
}
} // namespace

void fitColumns(QTableWidget *table, TelegramTable kind)
{
    QHeaderView *header = table->horizontalHeader();
    const QFontMetrics metrics(table->font());
    constexpr int Margins = 16;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QStringList texts = widestTexts(kind, column);
        if (texts.isEmpty()) {
            header->setSectionResizeMode(column, QHeaderView::Stretch);
            continue;
        }
        int width = header->sectionSizeHint(column);
        for (const QString &text : texts)
            width = std::max(width, metrics.horizontalAdvance(text) + Margins);
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, width);
    }
    table->setTextElideMode(Qt::ElideRight);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
