#pragma once

#include <QStringList>

// The items of the window's lists, index 0 first. The form's combo boxes hold
// exactly these texts in both interface languages, so a cell text is turned
// into an item index by exact comparison with them.

// comboBoxBaudRate, comboBoxBaudRate_set, comboBox_knxto485_w_baudrate
const QStringList &baudRateTexts();
// comboBox_485toknx_w_length, comboBox_knxto485_w_length, comboBox_1byte_length
const QStringList &lengthTexts();
// comboBox_485toknx_w_type
const QStringList &type485ToKnxTexts();
// comboBox_knxto485_w_type
const QStringList &typeKnxTo485Texts();
// comboBoxStopBit, comboBoxStopBit_set
const QStringList &stopBitTexts();
// comboBoxParity, comboBoxParity_set
const QStringList &parityTexts();

// The type item that carries no value, at the same index in both type lists.
constexpr int ReadTypeIndex = 1;
