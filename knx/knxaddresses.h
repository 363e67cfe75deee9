#pragma once

#include <QString>

#include <optional>

// KNX addresses as the bus carries them (16 bits) and as users write them:
// individual addresses area.line.device (4/4/8 bits), group addresses
// main/middle/sub (5/3/8 bits).

QString individualAddressText(quint16 address); // "1.1.5"
std::optional<quint16> parseIndividualAddress(const QString &text);

QString groupAddressText(quint16 address); // "1/2/3"
// Three-level addresses only, 0/0/0 to 31/7/255; blanks around the text are ignored.
std::optional<quint16> parseGroupAddress(const QString &text);
