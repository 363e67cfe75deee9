#include "datapointid.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
struct Named
{
    int main;
    int sub; // -1: the main type
    const char *name;
    const char *unit;
};

// Units are international symbols and stay untranslated.
const Named named[] = {
    {1, -1, QT_TRANSLATE_NOOP("MainWindow", "boolean"), ""},
    {1, 1, QT_TRANSLATE_NOOP("MainWindow", "switch"), ""},
    {1, 2, QT_TRANSLATE_NOOP("MainWindow", "boolean"), ""},
    {1, 3, QT_TRANSLATE_NOOP("MainWindow", "enable"), ""},
    {1, 4, QT_TRANSLATE_NOOP("MainWindow", "ramp"), ""},
    {1, 5, QT_TRANSLATE_NOOP("MainWindow", "alarm"), ""},
    {1, 6, QT_TRANSLATE_NOOP("MainWindow", "binary value"), ""},
    {1, 7, QT_TRANSLATE_NOOP("MainWindow", "step"), ""},
    {1, 8, QT_TRANSLATE_NOOP("MainWindow", "up/down"), ""},
    {1, 9, QT_TRANSLATE_NOOP("MainWindow", "open/close"), ""},
    {1, 10, QT_TRANSLATE_NOOP("MainWindow", "start/stop"), ""},
    {1, 11, QT_TRANSLATE_NOOP("MainWindow", "state"), ""},
    {1, 12, QT_TRANSLATE_NOOP("MainWindow", "invert"), ""},
    {1, 15, QT_TRANSLATE_NOOP("MainWindow", "reset"), ""},
    {1, 16, QT_TRANSLATE_NOOP("MainWindow", "acknowledge"), ""},
    {1, 18, QT_TRANSLATE_NOOP("MainWindow", "occupancy"), ""},
    {1, 19, QT_TRANSLATE_NOOP("MainWindow", "window/door"), ""},
    {1, 22, QT_TRANSLATE_NOOP("MainWindow", "scene A/B"), ""},
    {1, 24, QT_TRANSLATE_NOOP("MainWindow", "day/night"), ""},
    {1, 100, QT_TRANSLATE_NOOP("MainWindow", "heating/cooling"), ""},
    {2, -1, QT_TRANSLATE_NOOP("MainWindow", "1-bit controlled"), ""},
    {3, -1, QT_TRANSLATE_NOOP("MainWindow", "3-bit controlled"), ""},
    {3, 7, QT_TRANSLATE_NOOP("MainWindow", "dimming"), ""},
    {3, 8, QT_TRANSLATE_NOOP("MainWindow", "blinds"), ""},
    {5, -1, QT_TRANSLATE_NOOP("MainWindow", "8-bit unsigned value"), ""},
    {5, 1, QT_TRANSLATE_NOOP("MainWindow", "percentage (0..100 %)"), "%"},
    {5, 3, QT_TRANSLATE_NOOP("MainWindow", "angle (°)"), "°"},
    {5, 4, QT_TRANSLATE_NOOP("MainWindow", "percentage (0..255 %)"), "%"},
    {5, 10, QT_TRANSLATE_NOOP("MainWindow", "counter pulses"), ""},
    {6, -1, QT_TRANSLATE_NOOP("MainWindow", "8-bit signed value"), ""},
    {6, 1, QT_TRANSLATE_NOOP("MainWindow", "percentage (%)"), "%"},
    {6, 10, QT_TRANSLATE_NOOP("MainWindow", "counter pulses"), ""},
    {7, -1, QT_TRANSLATE_NOOP("MainWindow", "2-byte unsigned value"), ""},
    {7, 1, QT_TRANSLATE_NOOP("MainWindow", "pulses"), ""},
    {7, 2, QT_TRANSLATE_NOOP("MainWindow", "time (ms)"), "ms"},
    {7, 3, QT_TRANSLATE_NOOP("MainWindow", "time (10 ms)"), "ms"},
    {7, 4, QT_TRANSLATE_NOOP("MainWindow", "time (100 ms)"), "ms"},
    {7, 5, QT_TRANSLATE_NOOP("MainWindow", "time (s)"), "s"},
    {7, 6, QT_TRANSLATE_NOOP("MainWindow", "time (min)"), "min"},
    {7, 7, QT_TRANSLATE_NOOP("MainWindow", "time (h)"), "h"},
    {7, 11, QT_TRANSLATE_NOOP("MainWindow", "length (mm)"), "mm"},
    {7, 12, QT_TRANSLATE_NOOP("MainWindow", "bus current (mA)"), "mA"},
    {7, 13, QT_TRANSLATE_NOOP("MainWindow", "brightness (lx)"), "lx"},
    {7, 600, QT_TRANSLATE_NOOP("MainWindow", "colour temperature (K)"), "K"},
    {8, -1, QT_TRANSLATE_NOOP("MainWindow", "2-byte signed value"), ""},
    {8, 1, QT_TRANSLATE_NOOP("MainWindow", "pulses difference"), ""},
    {8, 2, QT_TRANSLATE_NOOP("MainWindow", "time lag (ms)"), "ms"},
    {8, 3, QT_TRANSLATE_NOOP("MainWindow", "time lag (10 ms)"), "ms"},
    {8, 4, QT_TRANSLATE_NOOP("MainWindow", "time lag (100 ms)"), "ms"},
    {8, 5, QT_TRANSLATE_NOOP("MainWindow", "time lag (s)"), "s"},
    {8, 6, QT_TRANSLATE_NOOP("MainWindow", "time lag (min)"), "min"},
    {8, 7, QT_TRANSLATE_NOOP("MainWindow", "time lag (h)"), "h"},
    {8, 10, QT_TRANSLATE_NOOP("MainWindow", "percentage difference (%)"), "%"},
    {8, 11, QT_TRANSLATE_NOOP("MainWindow", "rotation angle (°)"), "°"},
    {9, -1, QT_TRANSLATE_NOOP("MainWindow", "2-byte float value"), ""},
    {9, 1, QT_TRANSLATE_NOOP("MainWindow", "temperature (°C)"), "°C"},
    {9, 2, QT_TRANSLATE_NOOP("MainWindow", "temperature difference (K)"), "K"},
    {9, 3, QT_TRANSLATE_NOOP("MainWindow", "kelvin per hour (K/h)"), "K/h"},
    {9, 4, QT_TRANSLATE_NOOP("MainWindow", "illuminance (lx)"), "lx"},
    {9, 5, QT_TRANSLATE_NOOP("MainWindow", "wind speed (m/s)"), "m/s"},
    {9, 6, QT_TRANSLATE_NOOP("MainWindow", "air pressure (Pa)"), "Pa"},
    {9, 7, QT_TRANSLATE_NOOP("MainWindow", "humidity (%)"), "%"},
    {9, 8, QT_TRANSLATE_NOOP("MainWindow", "air quality (ppm)"), "ppm"},
    {9, 9, QT_TRANSLATE_NOOP("MainWindow", "air flow (m³/h)"), "m³/h"},
    {9, 10, QT_TRANSLATE_NOOP("MainWindow", "time (s)"), "s"},
    {9, 11, QT_TRANSLATE_NOOP("MainWindow", "time (ms)"), "ms"},
    {9, 20, QT_TRANSLATE_NOOP("MainWindow", "voltage (mV)"), "mV"},
    {9, 21, QT_TRANSLATE_NOOP("MainWindow", "current (mA)"), "mA"},
    {9, 22, QT_TRANSLATE_NOOP("MainWindow", "power density (W/m²)"), "W/m²"},
    {9, 23, QT_TRANSLATE_NOOP("MainWindow", "kelvin per percent (K/%)"), "K/%"},
    {9, 24, QT_TRANSLATE_NOOP("MainWindow", "power (kW)"), "kW"},
    {9, 25, QT_TRANSLATE_NOOP("MainWindow", "volume flow (l/h)"), "l/h"},
    {9, 26, QT_TRANSLATE_NOOP("MainWindow", "rain amount (l/m²)"), "l/m²"},
    {9, 27, QT_TRANSLATE_NOOP("MainWindow", "temperature (°F)"), "°F"},
    {9, 28, QT_TRANSLATE_NOOP("MainWindow", "wind speed (km/h)"), "km/h"},
    {9, 29, QT_TRANSLATE_NOOP("MainWindow", "absolute humidity (g/m³)"), "g/m³"},
    {9, 30, QT_TRANSLATE_NOOP("MainWindow", "concentration (µg/m³)"), "µg/m³"},
    {12, -1, QT_TRANSLATE_NOOP("MainWindow", "4-byte unsigned value"), ""},
    {12, 1, QT_TRANSLATE_NOOP("MainWindow", "counter pulses"), ""},
    {12, 100, QT_TRANSLATE_NOOP("MainWindow", "time (s)"), "s"},
    {12, 101, QT_TRANSLATE_NOOP("MainWindow", "time (min)"), "min"},
    {12, 102, QT_TRANSLATE_NOOP("MainWindow", "time (h)"), "h"},
    {13, -1, QT_TRANSLATE_NOOP("MainWindow", "4-byte signed value"), ""},
    {13, 1, QT_TRANSLATE_NOOP("MainWindow", "counter pulses"), ""},
    {13, 10, QT_TRANSLATE_NOOP("MainWindow", "active energy (Wh)"), "Wh"},
    {13, 11, QT_TRANSLATE_NOOP("MainWindow", "apparent energy (VAh)"), "VAh"},
    {13, 12, QT_TRANSLATE_NOOP("MainWindow", "reactive energy (VARh)"), "VARh"},
    {13, 13, QT_TRANSLATE_NOOP("MainWindow", "active energy (kWh)"), "kWh"},
    {13, 14, QT_TRANSLATE_NOOP("MainWindow", "apparent energy (kVAh)"), "kVAh"},
    {13, 15, QT_TRANSLATE_NOOP("MainWindow", "reactive energy (kVARh)"), "kVARh"},
    {13, 16, QT_TRANSLATE_NOOP("MainWindow", "active energy (MWh)"), "MWh"},
    {13, 100, QT_TRANSLATE_NOOP("MainWindow", "time lag (s)"), "s"},
    {14, -1, QT_TRANSLATE_NOOP("MainWindow", "4-byte float value"), ""},
    {14, 7, QT_TRANSLATE_NOOP("MainWindow", "angle (°)"), "°"},
    {14, 19, QT_TRANSLATE_NOOP("MainWindow", "electric current (A)"), "A"},
    {14, 27, QT_TRANSLATE_NOOP("MainWindow", "electric potential (V)"), "V"},
    {14, 28, QT_TRANSLATE_NOOP("MainWindow", "potential difference (V)"), "V"},
    {14, 31, QT_TRANSLATE_NOOP("MainWindow", "energy (J)"), "J"},
    {14, 33, QT_TRANSLATE_NOOP("MainWindow", "frequency (Hz)"), "Hz"},
    {14, 39, QT_TRANSLATE_NOOP("MainWindow", "length (m)"), "m"},
    {14, 51, QT_TRANSLATE_NOOP("MainWindow", "mass (kg)"), "kg"},
    {14, 56, QT_TRANSLATE_NOOP("MainWindow", "power (W)"), "W"},
    {14, 57, QT_TRANSLATE_NOOP("MainWindow", "power factor"), ""},
    {14, 58, QT_TRANSLATE_NOOP("MainWindow", "pressure (Pa)"), "Pa"},
    {14, 65, QT_TRANSLATE_NOOP("MainWindow", "speed (m/s)"), "m/s"},
    {14, 68, QT_TRANSLATE_NOOP("MainWindow", "temperature (°C)"), "°C"},
    {14, 69, QT_TRANSLATE_NOOP("MainWindow", "absolute temperature (K)"), "K"},
    {14, 70, QT_TRANSLATE_NOOP("MainWindow", "temperature difference (K)"), "K"},
    {14, 76, QT_TRANSLATE_NOOP("MainWindow", "volume (m³)"), "m³"},
    {14, 77, QT_TRANSLATE_NOOP("MainWindow", "volume flow (m³/s)"), "m³/s"},
    {16, -1, QT_TRANSLATE_NOOP("MainWindow", "character string"), ""},
    {16, 0, QT_TRANSLATE_NOOP("MainWindow", "text (ASCII)"), ""},
    {16, 1, QT_TRANSLATE_NOOP("MainWindow", "text (ISO 8859-1)"), ""},
    {17, -1, QT_TRANSLATE_NOOP("MainWindow", "scene number"), ""},
    {17, 1, QT_TRANSLATE_NOOP("MainWindow", "scene number"), ""},
    {18, -1, QT_TRANSLATE_NOOP("MainWindow", "scene control"), ""},
    {18, 1, QT_TRANSLATE_NOOP("MainWindow", "scene control"), ""},
    {20, -1, QT_TRANSLATE_NOOP("MainWindow", "1-byte enumeration"), ""},
    {20, 102, QT_TRANSLATE_NOOP("MainWindow", "HVAC mode"), ""},
    {232, -1, QT_TRANSLATE_NOOP("MainWindow", "RGB colour"), ""},
    {232, 600, QT_TRANSLATE_NOOP("MainWindow", "RGB colour"), ""},
};

const Named *find(int main, int sub)
{
    for (const Named &entry : named)
        if (entry.main == main && entry.sub == sub)
            return &entry;
    return nullptr;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}
} // namespace

std::optional<DatapointType> parseDatapointType(const QString &text)
{
    static const QRegularExpression ets(
        QRegularExpression::anchoredPattern("DPS?T-([0-9]{1,4})(?:-([0-9]{1,5}))?"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dotted(
        QRegularExpression::anchoredPattern("(?:DPT ?)?([0-9]{1,4})(?:\\.([0-9]{1,5}))?"),
        QRegularExpression::CaseInsensitiveOption);
    const QString trimmed = text.trimmed();
    QRegularExpressionMatch match = ets.match(trimmed);
    if (!match.hasMatch())
        match = dotted.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    DatapointType type{match.captured(1).toInt(),
                       match.hasCaptured(2) ? match.captured(2).toInt() : -1};
    if (type.mainNumber < 1)
        return std::nullopt;
    return type;
}

QString dottedDatapointType(DatapointType type)
{
    const QString main = QString::number(type.mainNumber);
    if (!type.hasSubNumber())
        return main;
    return main + QLatin1Char('.') +
           QStringLiteral("%1").arg(type.subNumber, 3, 10, QLatin1Char('0'));
}

QString datapointTypeName(DatapointType type)
{
    // 2.x: the control of the boolean subtype of the same number.
    if (type.mainNumber == 2 && type.subNumber >= 1 && type.subNumber <= 12)
        if (const Named *boolean = find(1, type.subNumber))
            return QCoreApplication::translate("MainWindow", "%1 control")
                .arg(translated(boolean->name));
    const Named *entry = find(type.mainNumber, type.subNumber);
    if (!entry)
        entry = find(type.mainNumber, -1);
    return entry ? translated(entry->name) : QString();
}

QString datapointUnit(DatapointType type)
{
    const Named *entry = find(type.mainNumber, type.subNumber);
    return entry ? QString::fromUtf8(entry->unit) : QString();
}
