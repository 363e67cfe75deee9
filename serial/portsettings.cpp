#include "portsettings.h"

#include "itemtexts.h"

#include <QCoreApplication>

namespace {
template <typename Value> struct TextValue
{
    const char *text;
    Value value;
};

template <typename Value, size_t N>
Value lookUp(const QString &text, const TextValue<Value> (&table)[N], Value fallback)
{
    for (const TextValue<Value> &row : table) {
        if (text == QCoreApplication::translate("MainWindow", row.text))
            return row.value;
    }
    return fallback;
}

// The literals stand here for lupdate as well.
const TextValue<qint32> baudRates[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "115200"), 115200},
    {QT_TRANSLATE_NOOP("MainWindow", "57600"), 57600},
    {QT_TRANSLATE_NOOP("MainWindow", "56000"), 56000},
    {QT_TRANSLATE_NOOP("MainWindow", "38400"), 38400},
    {QT_TRANSLATE_NOOP("MainWindow", "14400"), 14400},
    {QT_TRANSLATE_NOOP("MainWindow", "9600"), 9600},
    {QT_TRANSLATE_NOOP("MainWindow", "4800"), 4800},
    {QT_TRANSLATE_NOOP("MainWindow", "2400"), 2400},
};
const TextValue<QSerialPort::DataBits> dataBits[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "7"), QSerialPort::Data7},
    {QT_TRANSLATE_NOOP("MainWindow", "6"), QSerialPort::Data6},
    {QT_TRANSLATE_NOOP("MainWindow", "5"), QSerialPort::Data5},
};
const TextValue<QSerialPort::Parity> parities[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "ODD"), QSerialPort::OddParity},
    {QT_TRANSLATE_NOOP("MainWindow", "EVEN"), QSerialPort::EvenParity},
    {QT_TRANSLATE_NOOP("MainWindow", "SPACE"), QSerialPort::SpaceParity},
    {QT_TRANSLATE_NOOP("MainWindow", "MARK"), QSerialPort::MarkParity},
};
const TextValue<QSerialPort::StopBits> stopBits[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "2"), QSerialPort::TwoStop},
    {QT_TRANSLATE_NOOP("MainWindow", "1.5"), QSerialPort::OneAndHalfStop},
};
const TextValue<QSerialPort::FlowControl> flowControls[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "XONXOFF"), QSerialPort::SoftwareControl},
    {QT_TRANSLATE_NOOP("MainWindow", "HARDWARE"), QSerialPort::HardwareControl},
};
} // namespace

PortSettings portSettingsFromTexts(const PortTexts &texts)
{
    PortSettings settings;
    settings.baudRate = lookUp(texts.baudRate, baudRates, qint32(19200));
    settings.dataBits = lookUp(texts.dataBits, dataBits, QSerialPort::Data8);
    settings.parity = lookUp(texts.parity, parities, QSerialPort::NoParity);
    settings.stopBits = lookUp(texts.stopBits, stopBits, QSerialPort::OneStop);
    settings.flowControl = lookUp(texts.flowControl, flowControls, QSerialPort::NoFlowControl);
    return settings;
}

PortSettings portSettingsOf(const SerialSettings &items)
{
    const auto shown = [](const QString &item) {
        return QCoreApplication::translate("MainWindow", item.toLatin1().constData());
    };
    return portSettingsFromTexts({shown(baudRateTexts().at(items.baudIndex)), QStringLiteral("8"),
                                  shown(parityTexts().at(items.parityIndex)),
                                  shown(stopBitTexts().at(items.stopBitIndex)),
                                  QStringLiteral("OFF")});
}
