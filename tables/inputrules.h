#pragma once

#include <QString>

// The input rules of the editing fields, as anchored regular expressions.
// A field refuses every keystroke that cannot lead to a text of its rule.

constexpr int MostTelegramBytes = 64;
constexpr int MostAckBytes = 32;

// Two hexadecimal digits, then up to 63 more pairs, each after a space or a hyphen.
QString telegramInputPattern();
// The same with up to 31 more pairs.
QString ackInputPattern();
// main/middle/sub, each separator a point or a slash: main 0 to 15, middle 0
// to 7, sub 0 to 255, decimal without leading zeros.
QString groupAddressInputPattern();

// A group address as a table cell holds it: the same numbers, slashes only.
QString groupAddressCellPattern();
