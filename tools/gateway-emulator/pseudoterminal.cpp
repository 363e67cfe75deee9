#include "pseudoterminal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// In linesettings.cpp: kernel termios2 cannot share a file with <termios.h>.
bool readLineSettings(int descriptor, LineSettings *settings);

namespace {
void makeRaw(int descriptor)
{
    termios attributes{};
    if (tcgetattr(descriptor, &attributes) != 0)
        return;
    cfmakeraw(&attributes);
    tcsetattr(descriptor, TCSANOW, &attributes);
}
} // namespace

PseudoTerminal::PseudoTerminal()
{
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        error = QString::fromLocal8Bit(strerror(errno));
        close();
        return;
    }
    char name[128] = {};
    if (ptsname_r(master, name, sizeof name) != 0) {
        error = QString::fromLocal8Bit(strerror(errno));
        close();
        return;
    }
    slaveName = QString::fromLocal8Bit(name);
    slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        error = QString::fromLocal8Bit(strerror(errno));
        close();
        return;
    }
    makeRaw(slave);
    makeRaw(master);
}

PseudoTerminal::~PseudoTerminal()
{
    close();
}

void PseudoTerminal::close()
{
    if (slave >= 0)
        ::close(slave);
    if (master >= 0)
        ::close(master);
    slave = master = -1;
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray result;
    char buffer[4096];
    while (master >= 0) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        result.append(buffer, n);
    }
    return result;
}

bool PseudoTerminal::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            pollfd writable{master, POLLOUT, 0};
            ::poll(&writable, 1, 100);
        }
    }
    return done == bytes.size();
}

QByteArray PseudoTerminal::read(int n, int timeoutMs)
{
    QByteArray result;
    const QDeadlineTimer deadline(timeoutMs);
    while (master >= 0 && result.size() < n) {
        result += readAvailable();
        if (result.size() >= n || deadline.hasExpired())
            break;
        QCoreApplication::processEvents();
        pollfd readable{master, POLLIN, 0};
        ::poll(&readable, 1, int(qMin<qint64>(deadline.remainingTime(), 5)));
    }
    return result;
}

LineSettings PseudoTerminal::lineSettings() const
{
    LineSettings settings;
    if (master >= 0)
        readLineSettings(master, &settings);
    return settings;
}
