#include "datapointgateway.h"

#include "datapointcodec.h"

#include <QCoreApplication>

int gatewayValueBits(DatapointType type)
{
    if (type.mainNumber == 17)
        return 6;
    const int bits = datapointBits(type);
    return bits <= 16 ? bits : 0;
}

GatewayValue gatewayValue(DatapointType type, const QString &typed)
{
    if (gatewayValueBits(type) == 0)
        return {std::nullopt, QCoreApplication::translate(
                                  "MainWindow", "A row of the gateway cannot carry a value of %1")
                                  .arg(dottedDatapointType(type))};
    const DatapointEncoding encoding = encodeDatapoint(type, typed);
    if (!encoding.bytes)
        return {std::nullopt, encoding.error};
    uint number = 0;
    for (const char byte : *encoding.bytes)
        number = number << 8 | quint8(byte);
    return {number, QString()};
}

std::optional<QString> gatewayValueText(DatapointType type, uint number)
{
    const int bits = gatewayValueBits(type);
    if (bits == 0 || number >> bits != 0)
        return std::nullopt;
    const int size = bits > 8 ? 2 : 1;
    QByteArray bytes(size, '\0');
    for (int i = size - 1; i >= 0; --i, number >>= 8)
        bytes[i] = char(number & 0xFF);
    return decodeDatapoint(type, bytes);
}
