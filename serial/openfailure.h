#pragma once

#include <QSerialPort>
#include <QString>

// What the user can do about a port that cannot be opened, for the two common
// causes on Linux (translated): no permission on the device, when the user
// must join the group that owns it; or the device held by another program.
// An empty text for other failures.
QString openFailureRemedy(QSerialPort::SerialPortError error, const QString &devicePath);
