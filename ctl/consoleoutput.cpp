#include "consoleoutput.h"

#include <cstdio>
#include <unistd.h>

namespace {
void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// C0 and C1 controls, DEL, and the embeddings, overrides and isolates of
// bidirectional text.
bool actsOnTerminal(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

QString hex(char16_t c, int digits)
{
    return QString::number(c, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}
} // namespace

void writeOut(const QString &text)
{
    write(stdout, text);
}

void writeErr(const QString &text)
{
    write(stderr, text);
}

bool errIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

QString visible(const QString &outside)
{
    QString shown;
    shown.reserve(outside.size());
    for (const QChar c : outside) {
        const char16_t code = c.unicode();
        if (!actsOnTerminal(code))
            shown += c;
        else if (code <= 0x7F)
            shown += QLatin1String("\\x") + hex(code, 2);
        else
            shown += QLatin1String("\\u") + hex(code, 4);
    }
    return shown;
}

// JSON escapes the C0 controls already; the others can only stand in strings.
QByteArray visibleJson(const QByteArray &json)
{
    const QString text = QString::fromUtf8(json);
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= 0x7F && actsOnTerminal(code))
            escaped += QLatin1String("\\u") + hex(code, 4);
        else
            escaped += c;
    }
    return escaped.toUtf8();
}
