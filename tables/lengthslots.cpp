#include "mainwindow.h"
#include "recordchecks.h"
#include "ui_mainwindow.h"

namespace {
// The value box takes the range of the length; a value outside it is clamped.
void applyValueRange(QSpinBox *valueBox, int lengthIndex)
{
    const ValueRange range = valueRangeOfLength(lengthIndex);
    valueBox->setRange(range.minimum, range.maximum);
}
} // namespace

void MainWindow::on_comboBox_485toknx_w_length_currentIndexChanged(int index)
{
    applyValueRange(ui->spinBox_485toknx_w_value, index);
}

void MainWindow::on_comboBox_knxto485_w_length_currentIndexChanged(int index)
{
    applyValueRange(ui->spinBox_knxto485_w_value, index);
}
