#include "itemtexts.h"

const QStringList &baudRateTexts()
{
    static const QStringList texts = {"2400",  "4800",  "9600",  "14400", "19200",
                                      "38400", "56000", "57600", "115200"};
    return texts;
}

const QStringList &stopBitTexts()
{
    static const QStringList texts = {"1", "1.5", "2"};
    return texts;
}

const QStringList &parityTexts()
{
    static const QStringList texts = {"None", "ODD", "EVEN"};
    return texts;
}

const QStringList &lengthTexts()
{
    static const QStringList texts = {"1 bit", "2 bit", "4 bit", "6 bit", "1 byte", "2 byte"};
    return texts;
}

const QStringList &type485ToKnxTexts()
{
    static const QStringList texts = {"write", "read"};
    return texts;
}

const QStringList &typeKnxTo485Texts()
{
    static const QStringList texts = {"write", "read", "response"};
    return texts;
}
