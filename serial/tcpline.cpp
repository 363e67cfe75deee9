#include "tcpline.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>

namespace {
constexpr int PendingRecheckMs = 10;
constexpr int MostRechecks = 20;

enum class Pending { Nothing, Data, Close };

// What the socket has not yet been told of.
Pending pendingInput(qintptr descriptor)
{
    char byte = 0;
    const ssize_t peeked = ::recv(int(descriptor), &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (peeked > 0)
        return Pending::Data;
    if (peeked < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return Pending::Nothing;
    return Pending::Close;
}
} // namespace

TcpLine::TcpLine(const QString &portName, QObject *parent)
    : SerialLine(portName, parent)
{
    openTimer.setSingleShot(true);
    openTimer.setTimerType(Qt::PreciseTimer);
    connect(&openTimer, &QTimer::timeout, this, &TcpLine::openTimedOut);
    settleTimer.setSingleShot(true);
    connect(&settleTimer, &QTimer::timeout, this, &TcpLine::settled);
    connect(&socket, &QTcpSocket::connected, this, [this] {
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        startSession();
    });
    connect(&socket, &QTcpSocket::readyRead, this, &TcpLine::takeReceived);
    connect(&socket, &QTcpSocket::errorOccurred, this, &TcpLine::socketError);
    connect(&socket, &QTcpSocket::disconnected, this, &TcpLine::socketError);
    connect(&socket, &QTcpSocket::bytesWritten, this, [this] {
        if (socket.bytesToWrite() == 0)
            emit allWritten();
    });
}

QString TcpLine::address() const
{
    return portName().mid(portName().indexOf(QLatin1String("//")) + 2);
}

QString TcpLine::openRemedy()
{
    return QCoreApplication::translate(
        "MainWindow", "Check the address, and that the device server is switched on, can be "
                      "reached from this computer and is not in use by another program.");
}

void TcpLine::openLine()
{
    beginOpening();
    received.clear();
    errorWhileTaking = false;
    const std::optional<NetworkPort> port = networkPortOf(portName());
    if (!port) {
        failOpening(QCoreApplication::translate(
                        "MainWindow", "%1 is no network port: write rfc2217://HOST:PORT or "
                                      "tcp://HOST:PORT.")
                        .arg(portName()),
                    QString());
        return;
    }
    openTimer.start(OpenTimeoutMs);
    socket.connectToHost(port->host, port->port);
}

void TcpLine::openTimedOut()
{
    const bool connected = socket.state() == QAbstractSocket::ConnectedState;
    const char *reason =
        connected ? QT_TRANSLATE_NOOP("MainWindow",
                                      "%1 took the connection, but set up no session within %2 s.")
                  : QT_TRANSLATE_NOOP("MainWindow", "No connection to %1 within %2 s.");
    failOpening(
        QCoreApplication::translate("MainWindow", reason).arg(address()).arg(OpenTimeoutMs / 1000),
        openRemedy());
}

void TcpLine::sessionReady()
{
    if (settleTimer.isActive())
        return;
    rechecks = 0;
    settleTimer.start(SettleMs);
}

// A close already on its way is taken first and fails the open with what the
// server said; so are bytes on their way, for a while, as they may precede one.
void TcpLine::settled()
{
    if (!isOpening())
        return;
    const Pending pending = pendingInput(socket.socketDescriptor());
    if (pending == Pending::Close)
        return;
    if ((pending == Pending::Data || socket.bytesAvailable() > 0) && ++rechecks <= MostRechecks) {
        settleTimer.start(PendingRecheckMs);
        return;
    }
    openTimer.stop();
    finishOpening();
    if (!received.isEmpty())
        QMetaObject::invokeMethod(this, &SerialLine::readyRead, Qt::QueuedConnection);
}

// Refused, unknown host, or a connection that ends. A server that closes at
// once often says why first ("Port already in use").
void TcpLine::socketError()
{
    if (taking) {
        errorWhileTaking = true;
        return;
    }
    if (!isOpening()) {
        reportLost(socket.errorString());
        return;
    }
    const QString said = QString::fromLatin1(received.left(MaxReasonBytes)).simplified();
    if (said.isEmpty())
        failOpening(socket.errorString(), openRemedy());
    else
        failOpening(
            QCoreApplication::translate("MainWindow", "%1 said \"%2\" and closed the connection.")
                .arg(address(), said),
            openRemedy());
}

void TcpLine::closeLine()
{
    openTimer.stop();
    settleTimer.stop();
    socket.abort();
    received.clear();
}

qint64 TcpLine::bytesAvailable() const
{
    return received.size() + SerialLine::bytesAvailable();
}

// Takes what the socket holds, as far as the read limit allows.
void TcpLine::takeReceived()
{
    const qint64 before = received.size();
    taking = true;
    while (socket.bytesAvailable() > 0 && (readLimit == 0 || received.size() < readLimit)) {
        const qint64 room = readLimit == 0 ? socket.bytesAvailable() : readLimit - received.size();
        received += dataOf(socket.read(qMin(room, socket.bytesAvailable())));
    }
    taking = false;
    if (received.size() > before && isOpen())
        emit readyRead();
    if (errorWhileTaking) {
        errorWhileTaking = false;
        socketError();
    }
}

// What the read limit held back in the socket comes next.
qint64 TcpLine::readData(char *data, qint64 maxSize)
{
    const qint64 count = qMin(maxSize, qint64(received.size()));
    memcpy(data, received.constData(), size_t(count));
    received.remove(0, count);
    if (socket.bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &TcpLine::takeReceived, Qt::QueuedConnection);
    return count;
}

qint64 TcpLine::writeData(const char *data, qint64 size)
{
    send(bytesOf(QByteArray(data, size)));
    return size;
}

void TcpLine::send(const QByteArray &bytes)
{
    if (bytes.isEmpty() || socket.state() != QAbstractSocket::ConnectedState)
        return;
    socket.write(bytes);
    socket.flush();
}
