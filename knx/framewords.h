#pragma once

#include <QByteArray>
#include <QtEndian>

// The 16-bit fields of KNXnet/IP and cEMI frames, high byte first.

inline quint16 wordAt(const QByteArray &bytes, qsizetype index)
{
    return qFromBigEndian<quint16>(bytes.constData() + index);
}

inline void appendWord(QByteArray &bytes, quint16 word)
{
    char big[2];
    qToBigEndian(word, big);
    bytes.append(big, 2);
}
