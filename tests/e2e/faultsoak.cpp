// The real window against the virtual gateway with faults switched on at
// random, driven through random sequences of what an installer does. After
// every step it checks what must always hold and stops at the first broken
// property, naming the seed that replays the run.
//   fault-soak [--seed N] [--steps N] [--minutes M]

#include "benchmeasure.h"
#include "gatewayemulator.h"
#include "messageboxanswerer.h"
#include "sampletables.h"
#include "tablecomparison.h"
#include "tablefilling.h"
#include "windowundertest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {
qint64 txCount(const WindowUnderTest &w)
{
    static const QRegularExpression tx("TX:(\\d+)B");
    return tx.match(w.statusText()).captured(1).toLongLong();
}

bool isDownloadAnswer(quint8 command)
{
    return command == CMD_TABLE_SIZES ||
           (command >= CMD_ROW_485_TO_KNX_W && command <= CMD_ROW_KNX_TO_485_W);
}

class FaultSoak
{
public:
    explicit FaultSoak(quint32 seed)
        : seed(seed)
        , random(seed)
    {
        startGateway();
        w = std::make_unique<WindowUnderTest>(QStringList{link});
        stalls.start();
    }

    // One random step and the checks after it; false at a broken property.
    bool step(int number)
    {
        if (random.bounded(4) == 0)
            switchFaults();
        if (!w->isPortOpen() && !w->openPort(link))
            broken = "the port does not open again";
        const QList<std::pair<int, std::function<void()>>> actions = {
            {12, [&] { scan(); }},
            {6, [&] { command(random.bounded(2) ? "pushButtonDebug" : "pushButtonWorkMode"); }},
            {4, [&] { configureSerial(); }},
            {30, [&] { download(); }},
            {12, [&] { testTelegram(); }},
            {28, [&] { edit(); }},
            {4, [&] { goAway(); }},
            {4, [&] {
                 QTest::qWait(random.bounded(500));
                 done = "idle";
             }}};
        int pick = random.bounded(100);
        for (const auto &[weight, action] : actions) {
            if ((pick -= weight) < 0) {
                action();
                break;
            }
        }
        ++steps;
        std::printf("step %d: %s (RSS %.0f MB)\n", number, qPrintable(done), residentMegabytes());
        return holds();
    }

    void report() const
    {
        std::printf("seed %u: %d steps, %d faults switched, %d downloads (%d successful), %d "
                    "gateways gone, longest stall %lld ms, RSS growth %.0f MB\n",
                    seed, steps, faultsSwitched, downloads, successfulDownloads, gatewaysGone,
                    stalls.longestMs(), residentMegabytes() - rssAtStart);
    }

private:
    void startGateway()
    {
        gateway = std::make_unique<GatewayEmulator>(
            SerialSettings{random.bounded(9), random.bounded(2) * 2, random.bounded(3)});
        gateway->setLog(&gatewayLog);
        gateway->publish(link);
        QObject::connect(gateway.get(), &GatewayEmulator::answerSent,
                         [this](quint8 command) { downloadAnswers += isDownloadAnswer(command); });
        txBaseline = w ? txCount(*w) : 0;
    }

    // Noise, split and delayed answers, dropped answers, wrong framing, silence, none.
    void switchFaults()
    {
        GatewayFaults f;
        const int first = gateway->framesReceived() + 1 + random.bounded(10);
        const QList<std::function<void()>> choices = {
            [&] { f.noise = QByteArray(1 + random.bounded(4), char(random.bounded(256))); },
            [&] { f.splitGapMs = 5 + random.bounded(80); },
            [&] { f.delayMs = random.bounded(2500); },
            [&] {
                f.dropped = {{first, first + random.bounded(3)}};
            },
            [&] { f.framing = WrongFraming(1 + random.bounded(4)); },
            [&] { f.silent = true; },
            [] {}};
        choices.at(random.bounded(int(choices.size())))();
        gateway->setFaults(f);
        ++faultsSwitched;
    }

    void awaitBox(int timeoutMs) { answerer.waitForBoxes(answerer.count() + 1, timeoutMs); }

    void scan()
    {
        w->click("pushButtonScan");
        awaitBox(400 * random.bounded(1, 20));
        if (w->widget<QAbstractButton>("pushButtonScan")->text() == "Stop")
            w->click("pushButtonScan");
        done = "scan";
    }

    void command(const char *button)
    {
        w->click(button);
        awaitBox(3000);
        done = button;
    }

    void configureSerial()
    {
        for (const char *box :
             {"comboBoxBaudRate_set", "comboBoxStopBit_set", "comboBoxParity_set"})
            w->widget<QComboBox>(box)->setCurrentIndex(
                random.bounded(w->widget<QComboBox>(box)->count()));
        command("pushButtonConfigSerial");
    }

    // A success box only when every frame was answered, and then the gateway
    // holds exactly the tables as they were at the click.
    void download()
    {
        const TelegramTables sent = w->tables();
        const int answersBefore = downloadAnswers;
        const int from = answerer.count();
        w->click("pushButtonBurnData");
        if (random.bounded(6) == 0)
            edit();
        QString end;
        if (!QTest::qWaitFor(
                [&] {
                    for (const MessageBoxAnswerer::Box &box : answerer.boxes().mid(from))
                        if (box.title == "Success" || box.title == "Download error!")
                            end = box.text;
                    return !end.isEmpty();
                },
                3500 * downloadFrameCount(sent)))
            broken = "the download never ended";
        ++downloads;
        done = QString("download of %1 frames: %2").arg(downloadFrameCount(sent)).arg(end);
        if (!end.startsWith("Download over!Success!"))
            return;
        ++successfulDownloads;
        if (downloadAnswers - answersBefore < downloadFrameCount(sent))
            broken = "success reported for a download whose frames were not all answered";
        else if (const QStringList d = tableDifferences(sent, gateway->storedTables());
                 !d.isEmpty())
            broken = "after a successful download the gateway holds other rows: " + d.first();
    }

    void testTelegram()
    {
        w->widget<QLineEdit>("lineEdit_485toknx_w_telegram")
            ->setText(SampleTables(random.generate()).row485ToKnxW(0).telegram);
        w->click("pushButton_485toknx_w_send");
        done = "test telegram";
    }

    void edit()
    {
        SampleTables samples(random.generate());
        auto *table = w->widget<QTableWidget>("tableWidget_485toknx_w");
        const QList<std::function<void()>> choices = {
            [&] {
                fillTables(*w,
                           samples.make(random.bounded(8), random.bounded(8), random.bounded(8)));
            },
            [&] {
                table->setCurrentCell(random.bounded(20), 0),
                    w->click("pushButton_485toknx_w_delete");
            },
            [&] { answerer.answerNext(QMessageBox::Yes), w->click("pushButton_knxto485_w_clear"); },
            [&] { w->widget<QAction>("actionClose_C")->trigger(); }};
        choices.at(random.bounded(int(choices.size())))();
        done = "edit";
    }

    void goAway()
    {
        gateway->goAway();
        awaitBox(2000);
        if (w->isPortOpen())
            broken = "the port stays open after the gateway went away";
        ++gatewaysGone;
        startGateway();
        done = "gateway gone";
    }

    bool holds()
    {
        // What the tool wrote has all reached the gateway once the line is quiet.
        if (!QTest::qWaitFor([&] { return txCount(*w) - txBaseline == gateway->bytesReceived(); },
                             2000))
            broken = QString("TX %1 but the gateway received %2")
                         .arg(txCount(*w) - txBaseline)
                         .arg(gateway->bytesReceived());
        if (stalls.longestMs() > 500)
            broken = QString("the event loop stalled %1 ms").arg(stalls.longestMs());
        if (residentMegabytes() - rssAtStart > 400)
            broken = "memory keeps growing";
        if (!broken.isEmpty())
            std::printf("FAILED after %s: %s (replay with --seed %u)\n", qPrintable(done),
                        qPrintable(broken), seed);
        return broken.isEmpty();
    }

    quint32 seed;
    QRandomGenerator random;
    QTemporaryDir dir;
    QString link = dir.filePath("gateway");
    QFile discarded{"/dev/null"};
    QTextStream gatewayLog{[this] {
        discarded.open(QIODevice::WriteOnly);
        return &discarded;
    }()};
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<WindowUnderTest> w;
    MessageBoxAnswerer answerer;
    StallMeter stalls;
    double rssAtStart = residentMegabytes();
    qint64 txBaseline = 0;
    int downloadAnswers = 0;
    QString done;
    QString broken;
    int steps = 0, faultsSwitched = 0, downloads = 0, successfulDownloads = 0, gatewaysGone = 0;
};
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({{"seed", "Seed of the random run; the same seed replays it.", "n", "1"},
                       {"steps", "Steps to run.", "n", "100"},
                       {"minutes", "Run this long instead of a number of steps.", "m"}});
    parser.process(app);
    const qint64 limitMs = parser.value("minutes").toLongLong() * 60000;
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());

    FaultSoak soak(parser.value("seed").toUInt());
    QElapsedTimer clock;
    clock.start();
    for (int number = 1;
         limitMs > 0 ? clock.elapsed() < limitMs : number <= parser.value("steps").toInt();
         ++number) {
        if (!soak.step(number))
            return 1;
    }
    soak.report();
    return 0;
}
