#include "tablefilling.h"

#include "itemtexts.h"

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

// Pairs of hex digits, n bytes, in the given case, separated by blanks.
QString hexPairs(int n, int seed, bool lowerCase)
{
    QStringList pairs;
    for (int i = 0; i < n; ++i)
        pairs << QString("%1").arg((seed * 37 + i * 11) & 0xFF, 2, 16, QChar('0'));
    const QString text = pairs.join(' ');
    return lowerCase ? text : text.toUpper();
}

QString address(int n)
{
    return QString("%1/%2/%3").arg(n % 16).arg((n / 16) % 8).arg(1 + n % 255);
}

QString valueFor(int lengthIndex, int n)
{
    const int maxima[] = {1, 3, 15, 63, 255, 65535};
    return QString::number((n * 7919) % (maxima[lengthIndex] + 1));
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

Tele485ToKnxW sample485ToKnxW(int n)
{
    const int length = n % 6;
    const bool read = n % 5 == 1;
    return {QString("row %1").arg(n),
            hexPairs(1 + (n * 13) % 64, n, n % 2 == 0),
            n % 3 == 0 ? QString() : hexPairs(1 + (n * 7) % 32, n + 1, n % 4 == 0),
            type485ToKnxTexts().at(read ? 1 : 0),
            address(n + 1),
            lengthTexts().at(length),
            read ? QString() : valueFor(length, n)};
}

Tele1Byte sample1Byte(int n)
{
    return {QString("step %1").arg(n),
            hexPairs(1 + (n * 5) % 64, n, n % 2 == 1),
            n % 4 == 0 ? QString() : hexPairs(32, n + 2, false),
            hexPairs(64 - n % 64, n + 3, n % 3 == 0),
            n % 3 == 0 ? hexPairs(1 + n % 32, n + 4, true) : QString(),
            address(n + 2),
            "1 byte",
            QString::number(n % 256),
            QString::number((n * 3) % 256),
            QString::number(1 + n % 255)};
}

TeleKnxTo485W sampleKnxTo485W(int n)
{
    const int length = (n + 2) % 6;
    const int type = n % 3;
    return {QString("knx %1").arg(n),
            typeKnxTo485Texts().at(type),
            baudRateTexts().at(n % 9),
            address(n + 3),
            lengthTexts().at(length),
            type == 1 ? QString() : valueFor(length, n + 1),
            hexPairs(1 + (n * 17) % 64, n + 5, n % 2 == 0)};
}

void fillTables(WindowUnderTest &w, int rows485ToKnxW, int rows1Byte, int rowsKnxTo485W)
{
    for (int n = 0; n < rows485ToKnxW; ++n)
        addRecord(w, sample485ToKnxW(n));
    for (int n = 0; n < rows1Byte; ++n)
        addRecord(w, sample1Byte(n));
    for (int n = 0; n < rowsKnxTo485W; ++n)
        addRecord(w, sampleKnxTo485W(n));
}
