#pragma once

#include <QString>

#include <optional>

// A KNX datapoint type: its main number and, when given, its sub number.
struct DatapointType
{
    int mainNumber = 0;
    int subNumber = -1; // -1: the main number alone ("DPT-9", "9")

    bool hasSubNumber() const { return subNumber >= 0; }
    bool is(int main, int sub) const { return mainNumber == main && subNumber == sub; }
    friend bool operator==(DatapointType a, DatapointType b)
    {
        return a.mainNumber == b.mainNumber && a.subNumber == b.subNumber;
    }
    friend bool operator!=(DatapointType a, DatapointType b) { return !(a == b); }
};

// The forms ETS writes ("DPST-9-1", "DPT-9") and the dotted form users type
// ("9.001", "9.1", "9", also "DPT 9.001"); case and surrounding blanks are
// ignored. Nothing for any other text, a list of types included.
std::optional<DatapointType> parseDatapointType(const QString &text);

// The dotted form, "9.001", or "9" for a main number alone.
QString dottedDatapointType(DatapointType type);

// The translated name of a common subtype ("temperature (°C)"), else of the
// main type ("2-byte float value"); empty for a main type the tool does not know.
QString datapointTypeName(DatapointType type);

// The unit of the type's values ("°C", "%"), empty when they have none.
QString datapointUnit(DatapointType type);
