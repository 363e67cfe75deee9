#pragma once

#include <QTest>

// Text columns of a data-driven test.
inline void addColumns(std::initializer_list<const char *> columns)
{
    for (const char *column : columns)
        QTest::addColumn<QString>(column);
}

// Data rows of the text columns, each given as its cells joined by " | " and
// named so.
inline void addRows(std::initializer_list<const char *> rows)
{
    for (const char *row : rows) {
        QTestData &data = QTest::newRow(row);
        for (const QString &cell : QString::fromUtf8(row).split(QStringLiteral(" | ")))
            data << cell;
    }
}
