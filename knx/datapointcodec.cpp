#include "datapointcodec.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

constexpr int MostUnknownBytes = 254;
constexpr int TextBytes = 14;
constexpr double Float16Lowest = -671088.64;
constexpr double Float16Highest = 670433.28; // 0x7FFF above it marks invalid data
constexpr quint16 Float16Invalid = 0x7FFF;
constexpr double Float32Overflow = 0x1.ffffffp127; // from here on a double rounds to infinity

enum class Kind {
    Boolean,
    Controlled,
    Stepping,
    Integer,
    Scaled,
    Float16,
    Float32,
    Text,
    SceneNumber,
    SceneControl,
    HvacMode,
    Rgb,
    Bytes
};

struct Format
{
    Kind kind = Kind::Bytes;
    int size = 0;          // bytes
    int bits = 0;          // value bits of a short type
    bool isSigned = false; // Integer
    int exponent = 0;      // Integer: a value is raw × 10^exponent
    double top = 0;        // Scaled: the value of 255
    double lowest = 0;     // Float16: the subtype's lowest value
};

double float16Lowest(int sub)
{
    switch (sub) {
    case 1:
        return -273; // °C
    case 27:
        return -459.6; // °F
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 28:
        return 0;
    default:
        return Float16Lowest;
    }
}

int integerExponent(int main, int sub)
{
    if (sub == 3)
        return 1; // 10 ms
    if (sub == 4)
        return 2; // 100 ms
    if (main == 8 && sub == 10)
        return -2; // 0.01 %
    return 0;
}

Format formatOf(DatapointType type)
{
    const int sub = type.subNumber;
    switch (type.mainNumber) {
    case 1:
        return {Kind::Boolean, 1, 1};
    case 2:
        return {Kind::Controlled, 1, 2};
    case 3:
        return {Kind::Stepping, 1, 4};
    case 5:
        if (sub == 1 || sub == 3)
            return {Kind::Scaled, 1, 0, false, 0, sub == 1 ? 100.0 : 360.0};
        return {Kind::Integer, 1};
    case 6:
        return {Kind::Integer, 1, 0, true};
    case 7:
    case 8:
        return {Kind::Integer, 2, 0, type.mainNumber == 8, integerExponent(type.mainNumber, sub)};
    case 9:
        return {Kind::Float16, 2, 0, true, 0, 0, float16Lowest(sub)};
    case 12:
        return {Kind::Integer, 4};
    case 13:
        return {Kind::Integer, 4, 0, true};
    case 14:
        return {Kind::Float32, 4};
    case 16:
        return {Kind::Text, TextBytes};
    case 17:
        return {Kind::SceneNumber, 1};
    case 18:
        return {Kind::SceneControl, 1};
    case 20:
        return {sub == 102 ? Kind::HvacMode : Kind::Integer, 1};
    case 232:
        return {Kind::Rgb, 3};
    default:
        return {};
    }
}

// The texts of 0 and 1 of the common boolean subtypes.
struct BooleanTexts
{
    int sub;
    const char *zero;
    const char *one;
};

const BooleanTexts booleanTexts[] = {
    {1, QT_TRANSLATE_NOOP("MainWindow", "Off"), QT_TRANSLATE_NOOP("MainWindow", "On")},
    {2, QT_TRANSLATE_NOOP("MainWindow", "False"), QT_TRANSLATE_NOOP("MainWindow", "True")},
    {3, QT_TRANSLATE_NOOP("MainWindow", "Disable"), QT_TRANSLATE_NOOP("MainWindow", "Enable")},
    {4, QT_TRANSLATE_NOOP("MainWindow", "No ramp"), QT_TRANSLATE_NOOP("MainWindow", "Ramp")},
    {5, QT_TRANSLATE_NOOP("MainWindow", "No alarm"), QT_TRANSLATE_NOOP("MainWindow", "Alarm")},
    {6, QT_TRANSLATE_NOOP("MainWindow", "Low"), QT_TRANSLATE_NOOP("MainWindow", "High")},
    {7, QT_TRANSLATE_NOOP("MainWindow", "Decrease"), QT_TRANSLATE_NOOP("MainWindow", "Increase")},
    {8, QT_TRANSLATE_NOOP("MainWindow", "Up"), QT_TRANSLATE_NOOP("MainWindow", "Down")},
    {9, QT_TRANSLATE_NOOP("MainWindow", "Open"), QT_TRANSLATE_NOOP("MainWindow", "Close")},
    {10, QT_TRANSLATE_NOOP("MainWindow", "Stop"), QT_TRANSLATE_NOOP("MainWindow", "Start")},
    {11, QT_TRANSLATE_NOOP("MainWindow", "Inactive"), QT_TRANSLATE_NOOP("MainWindow", "Active")},
    {12, QT_TRANSLATE_NOOP("MainWindow", "Not inverted"),
     QT_TRANSLATE_NOOP("MainWindow", "Inverted")},
    {15, QT_TRANSLATE_NOOP("MainWindow", "No action"), QT_TRANSLATE_NOOP("MainWindow", "Reset")},
    {16, QT_TRANSLATE_NOOP("MainWindow", "No action"),
     QT_TRANSLATE_NOOP("MainWindow", "Acknowledge")},
    {18, QT_TRANSLATE_NOOP("MainWindow", "Not occupied"),
     QT_TRANSLATE_NOOP("MainWindow", "Occupied")},
    {19, QT_TRANSLATE_NOOP("MainWindow", "Closed"), QT_TRANSLATE_NOOP("MainWindow", "Open")},
    {22, QT_TRANSLATE_NOOP("MainWindow", "Scene A"), QT_TRANSLATE_NOOP("MainWindow", "Scene B")},
    {24, QT_TRANSLATE_NOOP("MainWindow", "Day"), QT_TRANSLATE_NOOP("MainWindow", "Night")},
    {100, QT_TRANSLATE_NOOP("MainWindow", "Cooling"), QT_TRANSLATE_NOOP("MainWindow", "Heating")},
};

const char *const controlTexts[] = {QT_TRANSLATE_NOOP("MainWindow", "No control"),
                                    QT_TRANSLATE_NOOP("MainWindow", "Control")};

const char *const hvacModes[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Auto"), QT_TRANSLATE_NOOP("MainWindow", "Comfort"),
    QT_TRANSLATE_NOOP("MainWindow", "Standby"), QT_TRANSLATE_NOOP("MainWindow", "Economy"),
    QT_TRANSLATE_NOOP("MainWindow", "Building protection")};

const char *const breakText = QT_TRANSLATE_NOOP("MainWindow", "break");
const char *const invalidText = QT_TRANSLATE_NOOP("MainWindow", "Invalid data");
const char *const sceneText = QT_TRANSLATE_NOOP("MainWindow", "Scene %1");
const char *const activateText = QT_TRANSLATE_NOOP("MainWindow", "Activate scene %1");
const char *const learnText = QT_TRANSLATE_NOOP("MainWindow", "Learn scene %1");

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// Whether the typed text is the given one, translated or in English, whatever
// its case and blanks.
bool isText(const QString &typed, const char *text)
{
    const QString simplified = typed.simplified();
    return simplified.compare(translated(text), Qt::CaseInsensitive) == 0 ||
           simplified.compare(QString::fromUtf8(text), Qt::CaseInsensitive) == 0;
}

// The rest of the typed text after the given leading one (translated or in
// English) and the blanks or punctuation after it.
std::optional<QString> restAfter(const QString &typed, const QString &lead)
{
    const QString simplified = typed.simplified();
    if (lead.isEmpty() || !simplified.startsWith(lead, Qt::CaseInsensitive))
        return std::nullopt;
    QString rest = simplified.mid(lead.size());
    while (!rest.isEmpty() &&
           (rest.front().isSpace() || rest.front() == QLatin1Char(',') ||
            rest.front() == QLatin1Char(';') || rest.front() == QLatin1Char(':')))
        rest.remove(0, 1);
    return rest;
}

std::optional<QString> restAfterText(const QString &typed, const char *text)
{
    if (std::optional<QString> rest = restAfter(typed, translated(text)))
        return rest;
    return restAfter(typed, QString::fromUtf8(text));
}

const BooleanTexts *booleanTextsOf(int sub)
{
    for (const BooleanTexts &texts : booleanTexts)
        if (texts.sub == sub)
            return &texts;
    return nullptr;
}

QString booleanText(int sub, int bit)
{
    const BooleanTexts *texts = booleanTextsOf(sub);
    return texts ? translated(bit ? texts->one : texts->zero) : QString::number(bit);
}

QStringList booleanChoices(int sub)
{
    const BooleanTexts *texts = booleanTextsOf(sub);
    if (!texts)
        return {QStringLiteral("0"), QStringLiteral("1")};
    return {translated(texts->zero), translated(texts->one)};
}

std::optional<int> booleanValue(int sub, const QString &typed)
{
    const QString text = typed.simplified();
    if (text == QLatin1String("0") || text == QLatin1String("1"))
        return text.toInt();
    if (const BooleanTexts *texts = booleanTextsOf(sub)) {
        if (isText(text, texts->zero))
            return 0;
        if (isText(text, texts->one))
            return 1;
    }
    return std::nullopt;
}

// 2.x take the texts of the boolean subtype of the same number, 3.008 those
// of up/down and every other 3.x those of decrease/increase.
int controlledBooleanSub(int sub)
{
    return sub >= 1 && sub <= 12 ? sub : 0;
}

int steppingBooleanSub(int sub)
{
    return sub == 8 ? 8 : 7;
}

// The share of the range one step of a step code covers, in percent.
QString stepPercent(int code)
{
    return QString::number(100.0 / (1 << (code - 1))) + QStringLiteral(" %");
}

QString withUnit(const QString &number, const QString &unit)
{
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

// raw × 10^exponent, exactly.
QString scaledText(qint64 raw, int exponent)
{
    if (exponent >= 0) {
        for (int i = 0; i < exponent; ++i)
            raw *= 10;
        return QString::number(raw);
    }
    qint64 divisor = 1;
    for (int i = 0; i < -exponent; ++i)
        divisor *= 10;
    const QString sign = raw < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = raw < 0 ? -raw : raw;
    return sign + QString::number(magnitude / divisor) + QLatin1Char('.') +
           QStringLiteral("%1").arg(magnitude % divisor, -exponent, 10, QLatin1Char('0'));
}

QString numberText(double value)
{
    return QString::number(value, 'g', 10);
}

// Unit spellings that a keyboard gives more easily, and their symbols.
QString plainUnits(QString text)
{
    text.replace(QChar(0x2103), QStringLiteral("°C"));
    text.replace(QChar(0x2109), QStringLiteral("°F"));
    text.replace(QChar(0x00B3), QLatin1Char('3'));
    text.replace(QChar(0x00B2), QLatin1Char('2'));
    text.replace(QChar(0x03BC), QChar(0x00B5));
    return text;
}

// A typed number, with or without the unit, with a decimal point or comma.
std::optional<double> typedNumber(const QString &typed, const QString &unit)
{
    QString text = plainUnits(typed.trimmed());
    const QString suffix = plainUnits(unit);
    if (!suffix.isEmpty() && text.endsWith(suffix, Qt::CaseInsensitive))
        text.chop(suffix.size());
    else if (unit == QLatin1String("lx") &&
             text.endsWith(QLatin1String("lux"), Qt::CaseInsensitive))
        text.chop(3);
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> typedWholeNumber(const QString &typed)
{
    static const QRegularExpression digits(QRegularExpression::anchoredPattern("[0-9]{1,3}"));
    const QString text = typed.trimmed();
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

// The number in a typed text made by a text with "%1" ("Scene %1").
std::optional<int> numberIn(const QString &typed, const char *pattern)
{
    for (const QString &form : {translated(pattern), QString::fromUtf8(pattern)}) {
        const QStringList parts = form.split(QStringLiteral("%1"));
        if (parts.size() != 2)
            continue;
        const QRegularExpression rule(
            QRegularExpression::anchoredPattern(QRegularExpression::escape(parts[0].simplified()) +
                                                "\\s*([0-9]{1,3})\\s*" +
                                                QRegularExpression::escape(parts[1].simplified())),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = rule.match(typed.simplified());
        if (match.hasMatch())
            return match.captured(1).toInt();
    }
    return std::nullopt;
}

quint64 bigEndian(const QByteArray &data)
{
    quint64 value = 0;
    for (const char byte : data)
        value = value << 8 | quint8(byte);
    return value;
}

QByteArray bigEndianBytes(quint64 value, int size)
{
    QByteArray bytes(size, '\0');
    for (int i = size - 1; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xFF);
    return bytes;
}

DatapointEncoding refused(const QString &error)
{
    return {std::nullopt, error};
}

DatapointEncoding accepted(const QByteArray &bytes)
{
    return {bytes, QString()};
}

DatapointEncoding outOfRange(const QString &typed, const QString &low, const QString &high)
{
    return refused(Text::tr("\"%1\" is not a number from %2 to %3").arg(typed, low, high));
}

DatapointEncoding notOneOf(const QString &typed, const QStringList &choices)
{
    return refused(
        Text::tr("\"%1\" is not one of %2").arg(typed, choices.join(QLatin1String(", "))));
}

DatapointEncoding notOneFollowedBy(const QString &typed, const QStringList &first,
                                   const QStringList &second)
{
    return refused(
        Text::tr("\"%1\" is not one of %2 followed by one of %3")
            .arg(typed, first.join(QLatin1String(", ")), second.join(QLatin1String(", "))));
}

QByteArray oneByte(int value)
{
    return QByteArray(1, char(value));
}

// 5.001 and 5.003: 0..255 stand for 0..top.
int scaledRaw(double value, double top)
{
    return int(std::lround(value * 255 / top));
}

QString scaledValueText(int raw, double top)
{
    // The fewest decimals that give the same byte again.
    const double exact = raw * top / 255;
    for (int decimals = 0;; ++decimals) {
        const QString text = QString::number(exact, 'f', decimals);
        if (scaledRaw(QLocale::c().toDouble(text), top) == raw || decimals == 2)
            return text;
    }
}

QString float16Text(quint16 raw, const QString &unit)
{
    if (raw == Float16Invalid)
        return translated(invalidText);
    const int exponent = raw >> 11 & 0x0F;
    const int mantissa = (raw & 0x7FF) - (raw & 0x8000 ? 2048 : 0);
    QString text = scaledText(qint64(mantissa) * (1 << exponent), -2); // hundredths
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return withUnit(text, unit);
}

DatapointEncoding float16Bytes(const Format &format, const QString &typed, const QString &unit)
{
    if (isText(typed, invalidText))
        return accepted(bigEndianBytes(Float16Invalid, 2));
    const std::optional<double> value = typedNumber(typed, unit);
    if (value && *value >= format.lowest) {
        const double hundredths = *value * 100;
        for (int exponent = 0; exponent <= 15; ++exponent) {
            const double mantissa = std::round(std::ldexp(hundredths, -exponent));
            if (mantissa < -2048 || mantissa > 2047)
                continue;
            const int bits = int(mantissa);
            const quint16 raw = quint16((bits < 0 ? 0x8000 : 0) | exponent << 11 | (bits & 0x7FF));
            if (raw != Float16Invalid)
                return accepted(bigEndianBytes(raw, 2));
            break;
        }
    }
    return outOfRange(typed, numberText(format.lowest), numberText(Float16Highest));
}

// A double rounded to the nearest float.
float float32Of(double value)
{
    if (std::fabs(value) >= Float32Overflow)
        return float(std::copysign(HUGE_VAL, value));
    if (std::fabs(value) > FLT_MAX)
        return float(std::copysign(FLT_MAX, value));
    return float(value);
}

QString float32Text(float value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    if (value == 0)
        return std::signbit(value) ? QStringLiteral("-0") : QStringLiteral("0");
    // The fewest digits that give the same float again.
    for (int digits = 1;; ++digits) {
        const QString text = QString::number(double(value), 'g', digits);
        const float again = float32Of(QLocale::c().toDouble(text));
        if (std::memcmp(&again, &value, sizeof value) == 0 || digits == 17)
            return text;
    }
}

DatapointEncoding float32Bytes(const QString &typed, const QString &unit)
{
    const std::optional<double> value = typedNumber(typed, unit);
    if (!value || std::fabs(*value) >= Float32Overflow)
        return outOfRange(typed, float32Text(-FLT_MAX), float32Text(FLT_MAX));
    const float number = float32Of(*value);
    quint32 bits = 0;
    std::memcpy(&bits, &number, sizeof bits);
    return accepted(bigEndianBytes(bits, 4));
}

DatapointEncoding integerBytes(const Format &format, const QString &typed, const QString &unit)
{
    const int bits = 8 * format.size;
    const qint64 lowest = format.isSigned ? -(qint64(1) << (bits - 1)) : 0;
    const qint64 highest =
        format.isSigned ? (qint64(1) << (bits - 1)) - 1 : (qint64(1) << bits) - 1;
    const QString low = scaledText(lowest, format.exponent);
    const QString high = scaledText(highest, format.exponent);
    const std::optional<double> value = typedNumber(typed, unit);
    if (!value)
        return outOfRange(typed, low, high);
    const double scale = std::pow(10.0, std::abs(format.exponent));
    const double raw = format.exponent < 0 ? *value * scale : *value / scale;
    if (format.exponent == 0 && raw != std::floor(raw))
        return refused(
            Text::tr("\"%1\" is not a whole number from %2 to %3").arg(typed, low, high));
    const double rounded = std::round(raw);
    if (rounded < double(lowest) || rounded > double(highest))
        return outOfRange(typed, low, high);
    return accepted(bigEndianBytes(quint64(qint64(rounded)), format.size));
}

DatapointEncoding textBytes(bool ascii, const QString &typed)
{
    if (typed.size() > TextBytes)
        return refused(
            Text::tr("\"%1\" is longer than %2 characters").arg(typed, QString::number(TextBytes)));
    for (const QChar character : typed)
        if (character.unicode() == 0 || character.unicode() >= (ascii ? 0x80 : 0x100))
            return refused(Text::tr("\"%1\" holds \"%2\", which this type cannot carry")
                               .arg(typed, QString(character)));
    QByteArray bytes = typed.toLatin1();
    bytes.append(TextBytes - bytes.size(), '\0');
    return accepted(bytes);
}

DatapointEncoding controlledBytes(int sub, const QString &typed)
{
    const int booleanSub = controlledBooleanSub(sub);
    for (int control = 0; control < 2; ++control) {
        for (const QString &lead :
             {translated(controlTexts[control]), QString::fromUtf8(controlTexts[control]),
              QString::number(control)}) {
            const std::optional<QString> rest = restAfter(typed, lead);
            const std::optional<int> value = rest ? booleanValue(booleanSub, *rest) : std::nullopt;
            if (value)
                return accepted(oneByte(control << 1 | *value));
        }
    }
    return notOneFollowedBy(typed, {translated(controlTexts[0]), translated(controlTexts[1])},
                            booleanChoices(booleanSub));
}

std::optional<int> stepCode(const QString &typed)
{
    if (isText(typed, breakText))
        return 0;
    const std::optional<double> percent = typedNumber(typed, QStringLiteral("%"));
    for (int code = 1; percent && code <= 7; ++code)
        if (std::fabs(*percent - 100.0 / (1 << (code - 1))) < 0.01)
            return code;
    return std::nullopt;
}

DatapointEncoding steppingBytes(int sub, const QString &typed)
{
    if (isText(typed, breakText))
        return accepted(oneByte(0));
    const BooleanTexts *directions = booleanTextsOf(steppingBooleanSub(sub));
    for (int direction = 0; direction < 2; ++direction) {
        const std::optional<QString> rest =
            restAfterText(typed, direction ? directions->one : directions->zero);
        const std::optional<int> code = rest ? stepCode(*rest) : std::nullopt;
        if (code)
            return accepted(oneByte(direction << 3 | *code));
    }
    QStringList steps = {translated(breakText)};
    for (int code = 1; code <= 7; ++code)
        steps << stepPercent(code);
    return notOneFollowedBy(typed, booleanChoices(steppingBooleanSub(sub)), steps);
}

DatapointEncoding sceneNumberBytes(const QString &typed)
{
    std::optional<int> scene = numberIn(typed, sceneText);
    if (!scene)
        scene = typedWholeNumber(typed);
    if (!scene || *scene < 1 || *scene > 64)
        return outOfRange(typed, QStringLiteral("1"), QStringLiteral("64"));
    return accepted(oneByte(*scene - 1));
}

DatapointEncoding sceneControlBytes(const QString &typed)
{
    int learn = 0;
    std::optional<int> scene = numberIn(typed, activateText);
    if (!scene && (scene = numberIn(typed, learnText)))
        learn = 0x80;
    if (!scene)
        scene = typedWholeNumber(typed);
    if (!scene || *scene < 1 || *scene > 64)
        return refused(Text::tr("\"%1\" is not a scene from 1 to 64 to activate or learn, such "
                                "as \"%2\"")
                           .arg(typed, translated(learnText).arg(5)));
    return accepted(oneByte(learn | (*scene - 1)));
}

DatapointEncoding hvacModeBytes(const QString &typed)
{
    QStringList names;
    for (int mode = 0; mode < int(std::size(hvacModes)); ++mode) {
        if (isText(typed, hvacModes[mode]) || typed.trimmed() == QString::number(mode))
            return accepted(oneByte(mode));
        names << translated(hvacModes[mode]);
    }
    return notOneOf(typed, names);
}

DatapointEncoding rgbBytes(const QString &typed)
{
    static const QRegularExpression hex(QRegularExpression::anchoredPattern("#([0-9A-Fa-f]{6})"));
    static const QRegularExpression blanks(QStringLiteral("[\\s,;]+"));
    const QString text = typed.trimmed();
    const QRegularExpressionMatch match = hex.match(text);
    if (match.hasMatch())
        return accepted(QByteArray::fromHex(match.captured(1).toLatin1()));
    const QStringList parts = text.split(blanks);
    QByteArray bytes;
    for (const QString &part : parts) {
        const std::optional<int> value = typedWholeNumber(part);
        if (!value || *value > 255)
            break;
        bytes += char(*value);
    }
    if (parts.size() == 3 && bytes.size() == 3)
        return accepted(bytes);
    return refused(Text::tr("\"%1\" is not a colour written as #RRGGBB or as three numbers from 0 "
                            "to 255")
                       .arg(typed));
}

DatapointEncoding hexBytes(const QString &typed)
{
    static const QRegularExpression separators(QStringLiteral("[\\s-]"));
    static const QRegularExpression pairs(QRegularExpression::anchoredPattern(
        QStringLiteral("(?:[0-9A-Fa-f]{2}){1,%1}").arg(MostUnknownBytes)));
    QString text = typed;
    text.remove(separators);
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text.remove(0, 2);
    if (!pairs.match(text).hasMatch())
        return refused(Text::tr("\"%1\" is not 1 to %2 bytes written as hexadecimal pairs")
                           .arg(typed, QString::number(MostUnknownBytes)));
    return accepted(QByteArray::fromHex(text.toLatin1()));
}
} // namespace

bool isShortDatapoint(DatapointType type)
{
    return formatOf(type).bits > 0;
}

int datapointSize(DatapointType type)
{
    return formatOf(type).size;
}

int datapointBits(DatapointType type)
{
    const Format format = formatOf(type);
    return format.bits > 0 ? format.bits : 8 * format.size;
}

std::optional<QString> decodeDatapoint(DatapointType type, const QByteArray &data)
{
    const Format format = formatOf(type);
    if (format.kind == Kind::Bytes) {
        if (data.isEmpty() || data.size() > MostUnknownBytes)
            return std::nullopt;
        return QString::fromLatin1(data.toHex(' ').toUpper());
    }
    if (data.size() != format.size)
        return std::nullopt;
    const quint64 raw = bigEndian(data);
    const int value = format.bits > 0 ? int(raw & ((1u << format.bits) - 1)) : int(raw & 0xFF);
    const int sub = type.subNumber;
    const QString unit = datapointUnit(type);
    switch (format.kind) {
    case Kind::Boolean:
        return booleanText(sub, value);
    case Kind::Controlled:
        return translated(controlTexts[value >> 1]) + QStringLiteral(", ") +
               booleanText(controlledBooleanSub(sub), value & 1);
    case Kind::Stepping: {
        const int code = value & 7;
        return booleanText(steppingBooleanSub(sub), value >> 3) + QStringLiteral(", ") +
               (code == 0 ? translated(breakText) : stepPercent(code));
    }
    case Kind::Integer: {
        const int bits = 8 * format.size;
        const bool negative = format.isSigned && raw >> (bits - 1);
        const qint64 number = negative ? qint64(raw) - (qint64(1) << bits) : qint64(raw);
        return withUnit(scaledText(number, format.exponent), unit);
    }
    case Kind::Scaled:
        return withUnit(scaledValueText(value, format.top), unit);
    case Kind::Float16:
        return float16Text(quint16(raw), unit);
    case Kind::Float32: {
        const quint32 bits = quint32(raw);
        float number = 0;
        std::memcpy(&number, &bits, sizeof number);
        return std::isfinite(number) ? withUnit(float32Text(number), unit) : float32Text(number);
    }
    case Kind::Text: {
        const qsizetype end = data.indexOf('\0');
        const QByteArray text = end < 0 ? data : data.left(end);
        if (sub == 0)
            for (const char byte : text)
                if (quint8(byte) >= 0x80)
                    return std::nullopt;
        return QString::fromLatin1(text);
    }
    case Kind::SceneNumber:
        return translated(sceneText).arg((value & 0x3F) + 1);
    case Kind::SceneControl:
        return translated(value & 0x80 ? learnText : activateText).arg((value & 0x3F) + 1);
    case Kind::HvacMode:
        if (value >= int(std::size(hvacModes)))
            return std::nullopt;
        return translated(hvacModes[value]);
    case Kind::Rgb:
        return QLatin1Char('#') + QString::fromLatin1(data.toHex().toUpper());
    case Kind::Bytes:
        break;
    }
    return std::nullopt;
}

DatapointEncoding encodeDatapoint(DatapointType type, const QString &typed)
{
    const Format format = formatOf(type);
    const int sub = type.subNumber;
    const QString unit = datapointUnit(type);
    switch (format.kind) {
    case Kind::Boolean:
        if (const std::optional<int> value = booleanValue(sub, typed))
            return accepted(oneByte(*value));
        return notOneOf(typed, booleanChoices(sub));
    case Kind::Controlled:
        return controlledBytes(sub, typed);
    case Kind::Stepping:
        return steppingBytes(sub, typed);
    case Kind::Integer:
        return integerBytes(format, typed, unit);
    case Kind::Scaled: {
        const std::optional<double> value = typedNumber(typed, unit);
        if (!value || *value < 0 || *value > format.top)
            return outOfRange(typed, QStringLiteral("0"), numberText(format.top));
        return accepted(oneByte(scaledRaw(*value, format.top)));
    }
    case Kind::Float16:
        return float16Bytes(format, typed, unit);
    case Kind::Float32:
        return float32Bytes(typed, unit);
    case Kind::Text:
        return textBytes(sub == 0, typed);
    case Kind::SceneNumber:
        return sceneNumberBytes(typed);
    case Kind::SceneControl:
        return sceneControlBytes(typed);
    case Kind::HvacMode:
        return hvacModeBytes(typed);
    case Kind::Rgb:
        return rgbBytes(typed);
    case Kind::Bytes:
        break;
    }
    return hexBytes(typed);
}
