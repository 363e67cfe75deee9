#pragma once

#include "busapdu.h"
#include "telegramtables.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// What the gateway does in working mode with the tables it holds.
//
// A telegram from the line that equals a 485-to-KNX row's telegram makes that
// row send its group telegram (write with its value, or read) and write its
// acknowledgement. A telegram that equals a 1-byte row's (+) or (-) telegram
// steps that row's value by its interval between its minimum and maximum
// (starting at the minimum, held at the bounds), sends it as a 1-byte write
// and writes the (+) or (-) acknowledgement. Every row that matches acts, in
// table order: 485-to-KNX rows first, then 1-byte rows.
//
// A group telegram from KNX acts on every KNX-to-485 row of its service and
// address (and, for write and response, of its value in the row's length's
// form): each writes its telegram on the line.

// A row of a table: "485-to-KNX:3", rows counted from 0 as the log counts them.
struct GatewayRow
{
    TelegramTable table = TelegramTable::Tele485ToKnxW;
    int row = 0;

    friend bool operator==(const GatewayRow &a, const GatewayRow &b)
    {
        return a.table == b.table && a.row == b.row;
    }
};

bool parseGatewayRow(const QString &text, GatewayRow *row);
// "485-to-KNX row 3"
QString tableRowText(const GatewayRow &row);

// Faults for a commissioning check to find: the gateway acts as if a row's
// group address had a sub group one higher (255 becomes 0), or its value were
// one higher (the highest becomes 0); in both directions, so a KNX-to-485 row
// listens to that address or value instead.
struct RowFaults
{
    QList<GatewayRow> misrouted;
    QList<GatewayRow> wrongValues;
};

// "misroute 485-to-KNX row 0, wrong value 1-byte row 2"; "none" without faults.
QString describeRowFaults(const RowFaults &faults);

// What one row does on a telegram.
struct RowAction
{
    QString row;                    // "485-to-KNX row 0", "1-byte row 2 (+)"
    std::optional<BusTelegram> bus; // the group telegram it sends on KNX
    QString busText;                // "KNX write 1/2/3 value 200 (1 byte)", or why none is sent
    QByteArray line;                // what it writes on the line
};

class WorkingRules
{
public:
    void setFaults(const RowFaults &faults) { rowFaults = faults; }
    RowFaults faults() const { return rowFaults; }
    // The 1-byte rows start at their minimum again (a new download).
    void resetSteps() { steps.clear(); }

    QList<RowAction> lineTelegram(const TelegramTables &tables, const QByteArray &telegram);
    QList<RowAction> busTelegram(const TelegramTables &tables, const BusTelegram &telegram) const;

private:
    RowAction sendOf(const Tele485ToKnxW &record, int row) const;
    RowAction stepOf(const Tele1Byte &record, int row, int direction);
    std::optional<quint16> addressOf(const QString &text, GatewayRow row) const;
    uint valueOf(uint value, int bits, GatewayRow row) const;

    RowFaults rowFaults;
    QHash<int, int> steps; // the value each 1-byte row sent last
};
