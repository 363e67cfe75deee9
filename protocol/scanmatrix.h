#pragma once

#include "frame.h"

#include <QtGlobal>

#include <optional>

// The combinations of baud rate, stop bits and parity a scan has still to try,
// as nine masks indexed [stop bits][parity]: bit n set means baud-rate index n
// is untried with them. They are tried slowest first, all nine baud rates at
// 1 stop bit and no parity, then odd, then even parity; then the same at 1.5
// and at 2 stop bits.
class ScanMatrix
{
public:
    static constexpr int Combinations = BaudRateItems * StopBitItems * ParityItems;

    struct Combination
    {
        int baudIndex;
        int stopBitIndex;
        int parityIndex;
    };

    // Every combination untried.
    void fill();
    // Nothing left to try.
    void clear();
    bool isEmpty() const;
    int remaining() const;

    // The next untried combination, now marked tried; nothing when none is left.
    std::optional<Combination> takeNext();

private:
    quint16 masks[StopBitItems][ParityItems] = {};
};
