#include "scanmatrix.h"

#include <QtAlgorithms>

namespace {
constexpr quint16 AllBaudRates = (1u << BaudRateItems) - 1;
} // namespace

void ScanMatrix::fill()
{
    for (auto &row : masks)
        for (quint16 &mask : row)
            mask = AllBaudRates;
}

void ScanMatrix::clear()
{
    for (auto &row : masks)
        for (quint16 &mask : row)
            mask = 0;
}

bool ScanMatrix::isEmpty() const
{
    return remaining() == 0;
}

int ScanMatrix::remaining() const
{
    int count = 0;
    for (const auto &row : masks)
        for (quint16 mask : row)
            count += qPopulationCount(mask);
    return count;
}

std::optional<ScanMatrix::Combination> ScanMatrix::takeNext()
{
    for (int stop = 0; stop < StopBitItems; ++stop) {
        for (int parity = 0; parity < ParityItems; ++parity) {
            quint16 &mask = masks[stop][parity];
            if (mask == 0)
                continue;
            const int baud = qCountTrailingZeroBits(mask);
            mask &= quint16(~(1u << baud));
            return Combination{baud, stop, parity};
        }
    }
    return std::nullopt;
}
