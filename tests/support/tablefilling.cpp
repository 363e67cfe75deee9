#include "tablefilling.h"

#include <QLineEdit>
#include <QSpinBox>

namespace {
void setText(WindowUnderTest &w, const char *lineEdit, const QString &text)
{
    w.widget<QLineEdit>(lineEdit)->setText(text);
}

void setValue(WindowUnderTest &w, const char *spinBox, const QString &text)
{
    w.widget<QSpinBox>(spinBox)->setValue(text.toInt());
}

} // namespace

void addRecord(WindowUnderTest &w, const Tele485ToKnxW &record)
{
    setText(w, "lineEdit_485toknx_w_name", record.name);
    setText(w, "lineEdit_485toknx_w_telegram", record.telegram);
    setText(w, "lineEdit_485toknx_w_ack", record.ack);
    setText(w, "lineEdit_485toknx_w_addr", record.addr);
    w.select("comboBox_485toknx_w_type", record.ntype);
    w.select("comboBox_485toknx_w_length", record.length);
    setValue(w, "spinBox_485toknx_w_value", record.value);
    w.click("pushButton_485toknx_w_add");
}

void addRecord(WindowUnderTest &w, const Tele1Byte &record)
{
    setText(w, "lineEdit_1byte_name", record.name);
    setText(w, "lineEdit_1byte_telegram1", record.telegram_p);
    setText(w, "lineEdit_1byte_ack1", record.ack_p);
    setText(w, "lineEdit_1byte_telegram2", record.telegram_n);
    setText(w, "lineEdit_1byte_ack2", record.ack_n);
    setText(w, "lineEdit_1byte_addr", record.addr);
    setValue(w, "spinBox_1byte_min", record.min);
    setValue(w, "spinBox_1byte_max", record.max);
    setValue(w, "spinBox_1byte_interval", record.interval);
    w.click("pushButton_1byte_add");
}

void addRecord(WindowUnderTest &w, const TeleKnxTo485W &record)
{
    setText(w, "lineEdit_knxto485_w_name", record.name);
    setText(w, "lineEdit_knxto485_w_telegram", record.telegram);
    setText(w, "lineEdit_knxto485_w_addr", record.addr);
    w.select("comboBox_knxto485_w_type", record.ntype);
    w.select("comboBox_knxto485_w_baudrate", record.baudrate);
    w.select("comboBox_knxto485_w_length", record.length);
    setValue(w, "spinBox_knxto485_w_value", record.value);
    w.click("pushButton_knxto485_w_add");
}

void fillTables(WindowUnderTest &w, const DownloadTables &tables)
{
    for (const Tele485ToKnxW &record : tables.rows485ToKnxW)
        addRecord(w, record);
    for (const Tele1Byte &record : tables.rows1Byte)
        addRecord(w, record);
    for (const TeleKnxTo485W &record : tables.rowsKnxTo485W)
        addRecord(w, record);
}
