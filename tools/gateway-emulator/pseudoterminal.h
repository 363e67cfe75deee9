#pragma once

#include <QByteArray>
#include <QString>

// The settings the other side of a pseudo-terminal has put on the line. Parity
// cannot be seen: the pty driver clears it.
struct LineSettings
{
    quint32 baudRate = 0;
    bool twoStopBits = false;
};

// A pseudo-terminal pair. This object holds the master side, raw and
// non-blocking, and keeps the slave side open itself so that the line stays up
// while a program opens and closes the slave device by its path.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return master >= 0; }
    QString errorString() const { return error; }
    int masterDescriptor() const { return master; }
    // The device path of the slave side, for example /dev/pts/3.
    QString slavePath() const { return slaveName; }

    // Everything that can be read now without waiting.
    QByteArray readAvailable();
    // Writes all bytes, waiting while the line is full; false on an error.
    bool write(const QByteArray &bytes);
    // Reads until at least n bytes have arrived or the time is up, handling
    // the application's events meanwhile, so that a writer on the same thread
    // goes on.
    QByteArray read(int n, int timeoutMs);

    LineSettings lineSettings() const;

    // Closes both sides; a program that has the slave open sees it vanish.
    void close();

private:
    int master = -1;
    int slave = -1;
    QString slaveName;
    QString error;
};
