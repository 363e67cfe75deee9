#include "cemiframes.h"
#include "knxaddresses.h"
#include "knxconnection.h"
#include "knxdserver.h"
#include "knxnetipframes.h"
#include "knxsearch.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <vector>

Q_DECLARE_METATYPE(GroupTelegram)

namespace {
using KnxNetIp::Service;

GroupTelegram telegram(quint16 destination, GroupService service, const QByteArray &data = {},
                       quint16 source = 0)
{
    return {source, destination, service, data, data.size() == 1};
}

// The telegrams received, without their source, which knxd gives each knxtool.
QList<GroupTelegram> withoutSource(const QSignalSpy &received)
{
    QList<GroupTelegram> telegrams;
    for (const QList<QVariant> &arguments : received) {
        telegrams << arguments.at(0).value<GroupTelegram>();
        telegrams.last().source = 0;
    }
    return telegrams;
}

std::unique_ptr<KnxConnection> openedConnection(const QString &interface,
                                                const KnxLimits &limits = {})
{
    auto connection = createKnxConnection(*parseKnxInterface(interface), limits);
    QSignalSpy connected(connection.get(), &KnxConnection::connected);
    connection->open();
    if (!connected.wait(10000))
        return nullptr;
    return connection;
}

// Multicast needs a network interface that is up and can send it; the
// loopback cannot.
bool canMulticast()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    return std::any_of(interfaces.cbegin(), interfaces.cend(), [](const QNetworkInterface &i) {
        return i.flags().testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning |
                                   QNetworkInterface::CanMulticast);
    });
}

// The interface's side of a tunnel, datagram by datagram, for what knxd
// cannot be made to do.
struct FakeInterface
{
    QUdpSocket socket;
    QNetworkDatagram last;
    FakeInterface() { socket.bind(QHostAddress::LocalHost, 0); }

    // The next datagram when it is of the service, with its connection header
    // if it has one.
    std::optional<TunnellingFrame> next(Service service, int timeoutMs = 10000)
    {
        if (!QTest::qWaitFor([this] { return socket.hasPendingDatagrams(); }, timeoutMs))
            return std::nullopt;
        last = socket.receiveDatagram();
        const auto frame = decodeKnxNetIpFrame(last.data());
        if (!frame || frame->service != service)
            return std::nullopt;
        return decodeTunnellingFrame(frame->body).value_or(TunnellingFrame{});
    }
    void answer(Service service, const QByteArray &body)
    {
        socket.writeDatagram(last.makeReply(encodeKnxNetIpFrame({service, body})));
    }
};
} // namespace

class TestKnxConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<GroupTelegram>(); }

    void tunnellingCarriesGroupTelegrams()
    {
        KnxdServer server;
        KnxtoolListener listener(server);
        QVERIFY(server.isRunning() && listener.waitUntilListening(server));
        auto connection = openedConnection(server.interfaceText());
        QVERIFY(connection);
        QSignalSpy sent(connection.get(), &KnxConnection::telegramSent);
        QSignalSpy received(connection.get(), &KnxConnection::telegramReceived);
        const QString own = individualAddressText(connection->ownAddress());
        QVERIFY(connection->send(telegram(0x0A03, GroupService::Write, "\x01")));
        QVERIFY(connection->send(telegram(0x0A04, GroupService::Write, "\x0C\x1A")));
        QVERIFY(connection->send(telegram(0x0A05, GroupService::Read)));
        QVERIFY(listener.waitFor("Write from " + own + " to 1/2/3: 01"));
        QVERIFY(listener.waitFor("Write from " + own + " to 1/2/4: 0C 1A"));
        QVERIFY(listener.waitFor("Read from " + own + " to 1/2/5"));
        QTRY_COMPARE_WITH_TIMEOUT(sent.size(), 3, 10000);
        QCOMPARE(sent.at(1).at(0).value<GroupTelegram>(),
                 telegram(0x0A04, GroupService::Write, "\x0C\x1A", connection->ownAddress()));

        server.knxtool("groupswrite", {"1/2/6", "3"});
        server.knxtool("groupwrite", {"1/2/7", "12", "34"});
        server.knxtool("groupsresponse", {"1/2/8", "1"});
        const QList<GroupTelegram> heard{telegram(0x0A06, GroupService::Write, "\x03"),
                                         telegram(0x0A07, GroupService::Write, "\x12\x34"),
                                         telegram(0x0A08, GroupService::Response, "\x01")};
        QTRY_COMPARE_WITH_TIMEOUT(withoutSource(received), heard, 10000);

        QSignalSpy disconnected(connection.get(), &KnxConnection::disconnected);
        connection->close();
        QCOMPARE(connection->state(), KnxConnection::State::Disconnecting);
        QVERIFY(disconnected.wait(10000));
        QVERIFY(!connection->send(telegram(0x0A03, GroupService::Read)));
    }

    // Heartbeats keep the connection; once knxd is gone they go unanswered.
    void heartbeatFindsLostInterface()
    {
        KnxdServer server;
        QVERIFY(server.isRunning());
        KnxLimits limits;
        limits.heartbeatIntervalMs = 100;
        limits.heartbeatTimeoutMs = 1000;
        auto connection = openedConnection(server.interfaceText(), limits);
        QVERIFY(connection);
        QSignalSpy failed(connection.get(), &KnxConnection::failed);
        QTest::qWait(1500); // a dozen heartbeats
        QCOMPARE(connection->state(), KnxConnection::State::Connected);
        server.kill();
        QVERIFY(failed.wait(10000));
        QCOMPARE(
            failed.at(0).at(0).toString(),
            "The connection to the KNX interface at " + server.interfaceText() +
                " was lost: it did not answer 3 heartbeats in a row. Check the network and the "
                "interface, then connect again.");
        QCOMPARE(connection->state(), KnxConnection::State::Disconnected);
    }

    void connectFailures()
    {
        QUdpSocket silent;
        QVERIFY(silent.bind(QHostAddress::LocalHost, 0));
        KnxLimits limits;
        limits.connectTimeoutMs = 500;
        const QString where = QStringLiteral("127.0.0.1:%1").arg(silent.localPort());
        auto unanswered = createKnxConnection(*parseKnxInterface(where), limits);
        QSignalSpy failed(unanswered.get(), &KnxConnection::failed);
        unanswered->open();
        QVERIFY(failed.wait(10000));
        QCOMPARE(failed.at(0).at(0).toString(),
                 "No answer from the KNX interface at " + where +
                     ". Check the address and that the interface is on.");
        QCOMPARE(decodeKnxNetIpFrame(silent.receiveDatagram().data())->service,
                 Service::ConnectRequest);

        KnxdServer server; // eight tunnels
        QVERIFY(server.isRunning());
        std::vector<std::unique_ptr<KnxConnection>> connections;
        for (int tunnel = 0; tunnel < 8; ++tunnel) {
            connections.push_back(openedConnection(server.interfaceText()));
            QVERIFY(connections.back());
        }
        auto busy = createKnxConnection(*parseKnxInterface(server.interfaceText()));
        QSignalSpy refused(busy.get(), &KnxConnection::failed);
        busy->open();
        QVERIFY(refused.wait(10000));
        QVERIFY(refused.at(0).at(0).toString().startsWith(
            "The KNX interface at " + server.interfaceText() + " is busy: it has no free tunnel."));
    }

    // Counters: an incoming request is taken once, a repeat only acknowledged,
    // any other dropped; an outgoing request goes twice before the connection
    // counts as lost.
    void sequenceCounters()
    {
        FakeInterface peer;
        KnxLimits limits;
        limits.ackTimeoutMs = 300;
        auto connection = createKnxConnection(
            *parseKnxInterface(QStringLiteral("127.0.0.1:%1").arg(peer.socket.localPort())),
            limits);
        QSignalSpy received(connection.get(), &KnxConnection::telegramReceived);
        QSignalSpy failed(connection.get(), &KnxConnection::failed);
        connection->open();
        QVERIFY(peer.next(Service::ConnectRequest));
        peer.answer(Service::ConnectResponse,
                    encodeConnectResponse({7, KnxNetIp::NoError, {}, 0x1109}));
        QTRY_COMPARE(connection->state(), KnxConnection::State::Connected);

        const QByteArray indication = encodeCemiFrame(
            cemiFrameOf(telegram(0x0A03, GroupService::Write, "\x01", 0x1101), Cemi::LDataInd));
        QList<int> acknowledged;
        for (const quint8 sequence : {0, 0, 5, 1}) {
            peer.answer(Service::TunnellingRequest,
                        encodeTunnellingFrame({7, sequence, 0, indication}));
            if (sequence != 5)
                acknowledged << peer.next(Service::TunnellingAck)->sequence;
        }
        QCOMPARE(acknowledged, QList<int>({0, 0, 1}));
        QCOMPARE(received.size(), 2);

        QVERIFY(connection->send(telegram(0x0A04, GroupService::Read)));
        const auto request = peer.next(Service::TunnellingRequest);
        QVERIFY(request && request->channel == 7 && request->sequence == 0);
        const auto repeated = peer.next(Service::TunnellingRequest);
        QVERIFY(repeated && repeated->cemi == request->cemi && repeated->sequence == 0);
        QVERIFY(failed.wait(10000));
        QVERIFY(failed.at(0).at(0).toString().contains("did not acknowledge a telegram"));
        QVERIFY(peer.next(Service::DisconnectRequest));
    }

    void routing()
    {
        if (!canMulticast())
            QSKIP("No network interface here can multicast");
        KnxdServer server;
        KnxtoolListener listener(server);
        QVERIFY(server.isRunning() && listener.waitUntilListening(server));
        auto connection = openedConnection(QStringLiteral("routing:%1").arg(server.port()));
        QVERIFY(connection);
        QSignalSpy sent(connection.get(), &KnxConnection::telegramSent);
        QSignalSpy received(connection.get(), &KnxConnection::telegramReceived);
        QVERIFY(connection->send(telegram(0x0A03, GroupService::Write, "\x0C\x1A")));
        QVERIFY(listener.waitFor("Write from 15.15.250 to 1/2/3: 0C 1A"));
        QCOMPARE(sent.size(), 1);
        server.knxtool("groupswrite", {"1/2/4", "1"});
        // Not its own, which the group hands back.
        QTRY_COMPARE_WITH_TIMEOUT(withoutSource(received),
                                  QList{telegram(0x0A04, GroupService::Write, "\x01")}, 10000);
    }

    void search_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("multicast") << "routing:%1";
        QTest::newRow("one address") << "127.0.0.1:%1";
    }

    void search()
    {
        QFETCH(QString, target);
        if (target.startsWith("routing") && !canMulticast())
            QSKIP("No network interface here can multicast");
        KnxdServer server;
        QVERIFY(server.isRunning());
        KnxSearch search;
        QSignalSpy finished(&search, &KnxSearch::finished);
        search.start(2000, *parseKnxInterface(target.arg(server.port())));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.at(0).at(0).toString(), QString());
        QCOMPARE(search.found().size(), 1);
        const FoundKnxInterface found = search.found().at(0);
        QCOMPARE(found.name, QString("knxd"));
        QCOMPARE(found.interface.port, server.port());
        QCOMPARE(individualAddressText(found.individualAddress), QString("0.0.1"));
        QVERIFY(found.tunnelling && found.routing);
    }
};

QTEST_GUILESS_MAIN(TestKnxConnection)
#include "tst_knxconnection.moc"
