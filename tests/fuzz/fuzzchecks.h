#pragma once

#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a violation stops the fuzzer like a crash.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// A text of the input: mostly from a small alphabet that reaches the
// interesting branches, sometimes any UTF-16 code units.
inline QString fuzzText(FuzzedDataProvider &input, size_t most = 200)
{
    if (input.ConsumeBool()) {
        static const char alphabet[] = "0123456789abcdefABCDEF -./ xz\t";
        QString text;
        const size_t length = input.ConsumeIntegralInRange<size_t>(0, most);
        for (size_t i = 0; i < length && input.remaining_bytes(); ++i)
            text += QLatin1Char(alphabet[input.ConsumeIntegralInRange<size_t>(0, sizeof alphabet - 2)]);
        return text;
    }
    const std::string bytes = input.ConsumeRandomLengthString(most * 2);
    return QString(reinterpret_cast<const QChar *>(bytes.data()), qsizetype(bytes.size() / 2));
}

// An item text: mostly one of the list's, sometimes any text.
inline QString fuzzItem(FuzzedDataProvider &input, const QStringList &items)
{
    if (input.ConsumeIntegralInRange(0, 7) == 0)
        return fuzzText(input, 12);
    return items.at(input.ConsumeIntegralInRange<int>(0, int(items.size()) - 1));
}
