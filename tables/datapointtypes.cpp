#include "datapointtypes.h"

#include "itemtexts.h"

#include <QRegularExpression>

#include <optional>

namespace {
std::optional<int> mainNumber(const QString &datapointType)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern("DPS?T-([0-9]{1,4})(-[0-9]{1,5})?"));
    const QRegularExpressionMatch match = form.match(datapointType.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

// The index in lengthTexts() of the size a main number fixes, or -1.
int lengthIndexOf(int mainNumber)
{
    switch (mainNumber) {
    case 1:
        return 0; // "1 bit"
    case 2:
        return 1; // "2 bit"
    case 3:
        return 2; // "4 bit"
    case 17:
        return 3; // "6 bit"
    case 4:
    case 5:
    case 6:
    case 20:
        return 4; // "1 byte"
    case 7:
    case 8:
    case 9:
    case 22:
        return 5; // "2 byte"
    default:
        return -1;
    }
}
} // namespace

QString lengthOfDatapointType(const QString &datapointType)
{
    const std::optional<int> number = mainNumber(datapointType);
    return number ? lengthTexts().value(lengthIndexOf(*number)) : QString();
}
