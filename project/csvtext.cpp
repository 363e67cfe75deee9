#include "csvtext.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {
const QByteArray utf8Bom("\xEF\xBB\xBF");

bool needsQuotes(const QString &field)
{
    for (const QChar c : field)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') ||
            c == QLatin1Char('\n'))
            return true;
    return false;
}

QByteArray csvField(const QString &field)
{
    const QByteArray bytes = field.toUtf8();
    if (!needsQuotes(field))
        return bytes;
    return '"' + QByteArray(bytes).replace('"', "\"\"") + '"';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The first comma, semicolon or tab outside quotes on the first line.
char separatorOf(const QByteArray &text, qsizetype pos)
{
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text.at(pos);
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && isLineEnd(c))
            break;
        else if (!quoted && (c == ',' || c == ';' || c == '\t'))
            return c;
    }
    return ',';
}

class CsvReader
{
public:
    explicit CsvReader(const QByteArray &text)
        : text(text)
        , pos(text.startsWith(utf8Bom) ? utf8Bom.size() : 0)
        , separator(separatorOf(text, pos))
    {}

    QList<CsvRecord> records()
    {
        QList<CsvRecord> records;
        while (pos < text.size())
            records << record();
        return records;
    }

private:
    CsvRecord record()
    {
        CsvRecord record;
        record.line = line;
        do
            record.fields << field(record);
        while (pos < text.size() && text.at(pos++) == separator);
        // The loop took the first byte of the line end; CR LF is one.
        if (pos < text.size() && text.at(pos - 1) == '\r' && text.at(pos) == '\n')
            ++pos;
        ++line;
        return record;
    }

    // Reads up to the next separator or line end.
    QString field(CsvRecord &record)
    {
        QByteArray bytes;
        if (pos < text.size() && text.at(pos) == '"') {
            if (!readQuoted(bytes))
                fault(record,
                      QCoreApplication::translate("MainWindow", "The quote is never closed"));
            else if (pos < text.size() && text.at(pos) != separator && !isLineEnd(text.at(pos)))
                fault(record,
                      QCoreApplication::translate("MainWindow", "Text follows the closing quote"));
        }
        while (pos < text.size() && text.at(pos) != separator && !isLineEnd(text.at(pos)))
            bytes += text.at(pos++);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const QString field = decoder(bytes);
        if (decoder.hasError())
            fault(record, QCoreApplication::translate("MainWindow", "The text is not UTF-8"));
        return field;
    }

    // Reads a quoted field up to its closing quote; false when there is none.
    bool readQuoted(QByteArray &bytes)
    {
        ++pos;
        while (pos < text.size()) {
            const char c = text.at(pos++);
            if (c == '"') {
                if (pos >= text.size() || text.at(pos) != '"')
                    return true;
                ++pos;
            }
            // A line break inside the quotes: CR LF counts once.
            if (c == '\n' || (c == '\r' && (pos >= text.size() || text.at(pos) != '\n')))
                ++line;
            bytes += c;
        }
        return false;
    }

    // Only the record's first fault is kept.
    static void fault(CsvRecord &record, const QString &reason)
    {
        if (!record.fault)
            record.fault = CellFault{int(record.fields.size()), reason};
    }

    const QByteArray &text;
    qsizetype pos;
    const char separator;
    int line = 1;
};
} // namespace

QByteArray csvText(const QList<QStringList> &records)
{
    QByteArray text = utf8Bom;
    for (const QStringList &record : records) {
        for (int i = 0; i < record.size(); ++i) {
            if (i > 0)
                text += ',';
            text += csvField(record.at(i));
        }
        text += "\r\n";
    }
    return text;
}

QList<CsvRecord> csvRecords(const QByteArray &text)
{
    return CsvReader(text).records();
}
