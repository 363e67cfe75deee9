#pragma once

#include "processend.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

// ser2net serving one device on a free loopback port, from a configuration of
// its own, in the foreground; stopped with the object at the latest.
class Ser2NetServer
{
public:
    enum class Accepter { Rfc2217, RawTcp };

    Ser2NetServer(const QString &device, Accepter accepter)
        : accepter(accepter)
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return;
        port = probe.serverPort();
        probe.close();
        const QString config = dir.filePath("ser2net.yaml");
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral("connection: &gateway\n"
                                  "    accepter: %1tcp,127.0.0.1,%2\n"
                                  "    connector: serialdev,%3,9600n81,local\n")
                       .arg(accepter == Accepter::Rfc2217 ? "telnet(rfc2217)," : "")
                       .arg(port)
                       .arg(device)
                       .toUtf8());
        file.close();
        QString program = QStandardPaths::findExecutable("ser2net");
        if (program.isEmpty())
            program = QStringLiteral("/usr/sbin/ser2net");
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, {"-n", "-d", "-u", "-P", dir.filePath("ser2net.pid"), "-c", config});
        listening = process.waitForStarted(5000) &&
                    QTest::qWaitFor([this] { return isListeningNow(); }, 5000);
    }

    ~Ser2NetServer() { stop(); }
    Ser2NetServer(const Ser2NetServer &) = delete;
    Ser2NetServer &operator=(const Ser2NetServer &) = delete;

    bool isListening() const { return listening; }
    // The port name the tool opens.
    QString portName() const
    {
        return QStringLiteral("%1://127.0.0.1:%2")
            .arg(accepter == Accepter::Rfc2217 ? "rfc2217" : "tcp")
            .arg(port);
    }

    void stop() { endProcess(process); }

private:
    // A listening socket on the port, without connecting to it.
    bool isListeningNow() const
    {
        QFile table("/proc/net/tcp");
        if (!table.open(QIODevice::ReadOnly))
            return false;
        const QByteArray local =
            QByteArray("0100007F:") + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
        for (const QByteArray &line : table.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 3 && fields.at(1) == local && fields.at(3) == "0A")
                return true;
        }
        return false;
    }

    const Accepter accepter;
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;
    bool listening = false;
};
