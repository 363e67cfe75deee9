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
