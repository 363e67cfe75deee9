#pragma once

#include <QString>

// The length item that a KNX datapoint type fixes, from its main number
// ("DPST-5-1" and "DPT-5" are main number 5): 1 "1 bit", 2 "2 bit", 3 "4 bit",
// 17 "6 bit", 4, 5, 6 and 20 "1 byte", 7, 8, 9 and 22 "2 byte". An empty text
// for any other type, and for a text that is no datapoint type.
QString lengthOfDatapointType(const QString &datapointType);
