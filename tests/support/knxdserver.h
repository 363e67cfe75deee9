#pragma once

#include "processend.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

// knxd on the loopback with a dummy bus: a KNXnet/IP server (tunnelling,
// routing, search) on a free UDP port and a client socket in a directory of
// its own, for knxtool and libeibclient. Stopped with the object at the latest.
class KnxdServer
{
public:
    KnxdServer()
    {
        QUdpSocket probe;
        if (!probe.bind(QHostAddress::LocalHost, 0))
            return;
        udpPort = probe.localPort();
        probe.close();
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program("knxd"),
                      {"-e", "0.0.1", "-E", "0.0.2:8", "-u", socketPath(), "-D", "-T", "-R",
                       QStringLiteral("-S224.0.23.12:%1").arg(udpPort), "-b", "dummy:"});
        running =
            process.waitForStarted(5000) &&
            QTest::qWaitFor([this] { return QFile::exists(socketPath()) && isBound(); }, 10000);
    }

    ~KnxdServer() { endProcess(process); }
    KnxdServer(const KnxdServer &) = delete;
    KnxdServer &operator=(const KnxdServer &) = delete;

    bool isRunning() const { return running && process.state() == QProcess::Running; }
    // The tunnelling server's port on 127.0.0.1.
    quint16 port() const { return udpPort; }
    // "127.0.0.1:PORT", as the tool names an interface.
    QString interfaceText() const { return QStringLiteral("127.0.0.1:%1").arg(udpPort); }
    // knxd's client socket, as knxtool and libeibclient name it: "local:/…/eib".
    QString clientUrl() const { return QStringLiteral("local:") + socketPath(); }
    QString log() { return QString::fromLocal8Bit(process.readAll()); }

    // knxtool with the client socket after the command, for example
    // knxtool("groupswrite", {"1/2/3", "1"}); its output, or an empty text
    // with ok false when it fails.
    QString knxtool(const QString &command, const QStringList &arguments, bool *ok = nullptr) const
    {
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(program("knxtool"), QStringList{command, clientUrl()} + arguments);
        const bool done = tool.waitForFinished(10000) &&
                          tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
        if (ok)
            *ok = done;
        return done ? QString::fromLocal8Bit(tool.readAll()) : QString();
    }

    // Kills knxd at once, as a crash or a pulled cable would end it.
    void kill()
    {
        process.kill();
        process.waitForFinished(5000);
    }

    static QString program(const QString &name)
    {
        const QString found = QStandardPaths::findExecutable(name);
        return found.isEmpty() ? QStringLiteral("/usr/bin/") + name : found;
    }

private:
    QString socketPath() const { return dir.filePath(QStringLiteral("eib")); }

    // A UDP socket bound to the port, without sending to it.
    bool isBound() const
    {
        QFile table("/proc/net/udp");
        if (!table.open(QIODevice::ReadOnly))
            return false;
        const QByteArray local =
            ':' + QByteArray::number(udpPort, 16).toUpper().rightJustified(4, '0') + ' ';
        for (const QByteArray &line : table.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 1 && (fields.at(1) + ' ').endsWith(local))
                return true;
        }
        return false;
    }

    QTemporaryDir dir;
    QProcess process;
    quint16 udpPort = 0;
    bool running = false;
};

// knxtool's group monitor on a knxd server: every group telegram on the bus as
// a line ("Write from 0.0.3 to 1/2/3: 01"), collected as they come.
class KnxtoolListener
{
public:
    explicit KnxtoolListener(const KnxdServer &server)
    {
        process.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&process, &QProcess::readyRead, [this] {
            while (process.canReadLine())
                heard << QString::fromLocal8Bit(process.readLine()).trimmed();
        });
        process.start(KnxdServer::program("knxtool"), {"groupsocketlisten", server.clientUrl()});
        process.waitForStarted(5000);
    }
    ~KnxtoolListener()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    KnxtoolListener(const KnxtoolListener &) = delete;
    KnxtoolListener &operator=(const KnxtoolListener &) = delete;

    QStringList lines() const { return heard; }
    // Waits until the monitor hears what knxd's bus carries: writes to 31/7/255
    // until one is heard. False when knxtool or knxd does not work.
    bool waitUntilListening(const KnxdServer &server)
    {
        return QTest::qWaitFor(
            [&] {
                server.knxtool("groupswrite", {"31/7/255", "0"});
                return waitFor(QStringLiteral("to 31/7/255"), 500);
            },
            10000);
    }
    // Waits up to timeoutMs for a line that contains the text.
    bool waitFor(const QString &text, int timeoutMs = 5000) const
    {
        return QTest::qWaitFor(
            [&] {
                for (const QString &line : heard)
                    if (line.contains(text))
                        return true;
                return false;
            },
            timeoutMs);
    }

private:
    QProcess process;
    QStringList heard;
};
