#include "tablefilling.h"

#include <QLineEdit>
#include <QSpinBox>

// Column order sets a length before its value.
void addCells(WindowUnderTest &w, const QString &page, const QString &fields,
              const QStringList &cells)
{
    const QStringList names = fields.split(' ');
    for (int column = 0; column < cells.size(); ++column) {
        const QString name = page + '_' + names.at(column);
        if (auto *lineEdit = w.window().findChild<QLineEdit *>("lineEdit_" + name))
            lineEdit->setText(cells.at(column));
        else if (auto *spinBox = w.window().findChild<QSpinBox *>("spinBox_" + name))
            spinBox->setValue(cells.at(column).toInt());
        else
            w.select(qPrintable("comboBox_" + name), cells.at(column));
    }
    w.click(qPrintable("pushButton_" + page + "_add"));
}

void fillTables(WindowUnderTest &w, const TelegramTables &tables)
{
    for (const Tele485ToKnxW &record : tables.rows485ToKnxW)
        addRecord(w, record);
    for (const Tele1Byte &record : tables.rows1Byte)
        addRecord(w, record);
    for (const TeleKnxTo485W &record : tables.rowsKnxTo485W)
        addRecord(w, record);
}
