#pragma once

#include "frame.h"

#include <QString>

#include <optional>

// Serial settings as item indexes and as the texts of the window's lists.

// Each index within its list: baud rate 0 "2400" to 8 "115200", stop bits
// 0 "1" to 2 "2", parity 0 "None" to 2 "EVEN".
bool isValidSerialSettings(const SerialSettings &settings);

// "1 stop bit", "1.5 stop bits" or "2 stop bits" for a valid index.
QString describeStopBits(int stopBitIndex);
// "9600 baud, 1 stop bit, None"; the settings must be valid.
QString describeSerialSettings(const SerialSettings &settings);

// The settings of three item texts: a baud rate "2400" to "115200", stop bits
// "1", "1.5" or "2", parity "None", "ODD" or "EVEN" in any letter case.
// Nothing when a text is no item of its list.
std::optional<SerialSettings>
serialSettingsFromTexts(const QString &baudRate, const QString &stopBits, const QString &parity);
