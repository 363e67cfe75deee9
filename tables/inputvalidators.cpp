#include "inputrules.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QRegularExpressionValidator>

namespace {
// One validator of the rule, shared by the fields.
void shareInputRule(const QString &pattern, std::initializer_list<QLineEdit *> fields,
                    QObject *owner)
{
    auto *validator = new QRegularExpressionValidator(QRegularExpression(pattern), owner);
    for (QLineEdit *field : fields)
        field->setValidator(validator);
}
} // namespace

void MainWindow::setupInputValidators()
{
    shareInputRule(telegramInputPattern(),
                   {ui->lineEdit_485toknx_w_telegram, ui->lineEdit_1byte_telegram1,
                    ui->lineEdit_1byte_telegram2, ui->lineEdit_knxto485_w_telegram},
                   this);
    shareInputRule(
        groupAddressInputPattern(),
        {ui->lineEdit_485toknx_w_addr, ui->lineEdit_1byte_addr, ui->lineEdit_knxto485_w_addr},
        this);
    shareInputRule(ackInputPattern(),
                   {ui->lineEdit_485toknx_w_ack, ui->lineEdit_1byte_ack1, ui->lineEdit_1byte_ack2},
                   this);
}
