// The real window against the virtual gateway with faults switched on at
// random, driven through random sequences of what an installer does. After
// every step it checks what must always hold and stops at the first broken
// property, naming the seed that replays the run.
//   fault-soak [--seed N] [--steps N] [--minutes M]

#include "benchmeasure.h"
#include "gatewayemulator.h"
#include "messageboxanswerer.h"
#include "projectreader.h"
#include "sampletables.h"
#include "tablecomparison.h"
#include "tablefilling.h"
#include "telegrampages.h"
#include "windowundertest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {
const QString downloadSuccess = "Download over!Success!Please change to working mode.";

qint64 counter(const WindowUnderTest &w, const char *name)
{
    const QRegularExpression pattern(QString("%1:(\\d+)B").arg(name));
    return pattern.match(w.statusText()).captured(1).toLongLong();
}

// The tables as an import gives them back after an export.
DownloadTables asImported(DownloadTables tables)
{
    for (Tele485ToKnxW &record : tables.rows485ToKnxW)
        record.value = record.ntype == "read" ? "0" : record.value;
    for (Tele1Byte &record : tables.rows1Byte)
        record.length = "1 byte";
    for (TeleKnxTo485W &record : tables.rowsKnxTo485W)
        record.value = record.ntype == "read" ? "0" : record.value;
    return tables;
}

class FaultSoak
{
public:
    FaultSoak(quint32 seed)
        : seed(seed)
        , random(seed)
    {
        link = dir.filePath("gateway");
        startGateway();
        w = std::make_unique<WindowUnderTest>(QStringList{link});
        stalls.start();
    }

    // One random step and the checks after it; false at a broken property.
    bool step(int number)
    {
        const int action = random.bounded(100);
        if (action < 25)
            switchFaults();
        if (!w->isPortOpen() && !reopen())
            return failed("the port does not open again");
        if (action < 12)
            scan();
        else if (action < 18)
            command(random.bounded(2) ? "pushButtonDebug" : "pushButtonWorkMode");
        else if (action < 22)
            configureSerial();
        else if (action < 44)
            download();
        else if (action < 52)
            testTelegram();
        else if (action < 70)
            edit();
        else if (action < 82)
            exportProject();
        else if (action < 92)
            importProject();
        else if (action < 96)
            goAway();
        else
            idle();
        std::printf("step %d: %s\n", number, qPrintable(lastAction));
        return checkAlways();
    }

    void report() const
    {
        std::printf("seed %u: %d faults switched, %d downloads (%d successful), %d gateways gone, "
                    "longest stall %lld ms, RSS growth %.0f MB\n",
                    seed, faultsSwitched, downloads, successfulDownloads, gatewaysGone,
                    stalls.longestMs(), residentMegabytes() - rssAtStart);
    }

private:
    void startGateway()
    {
        gateway = std::make_unique<GatewayEmulator>(
            SerialSettings{random.bounded(9), random.bounded(2) * 2, random.bounded(3)});
        gateway->setLog(&gatewayLog);
        gateway->publish(link);
        QObject::connect(gateway.get(), &GatewayEmulator::answerSent, [this](quint8 command) {
            answersSent += command == CMD_TABLE_SIZES || command == CMD_ROW_485_TO_KNX_W ||
                           command == CMD_ROW_1BYTE || command == CMD_ROW_KNX_TO_485_W;
        });
        txBaseline = w ? counter(*w, "TX") : 0;
    }

    bool reopen()
    {
        if (!w->openPort(link))
            answerer.clear();
        return w->isPortOpen();
    }

    // Noise, split and delayed answers, dropped answers, wrong framing, silence.
    void switchFaults()
    {
        GatewayFaults faults;
        switch (random.bounded(8)) {
        case 0:
            faults.noise = QByteArray(1 + random.bounded(4), char(random.bounded(256)));
            break;
        case 1:
            faults.splitGapMs = 5 + random.bounded(80);
            break;
        case 2:
            faults.delayMs = random.bounded(2500);
            break;
        case 3: {
            const int first = gateway->framesReceived() + 1 + random.bounded(10);
            faults.dropped = {{first, first + random.bounded(3)}};
            break;
        }
        case 4:
            faults.framing = WrongFraming(1 + random.bounded(4));
            break;
        case 5:
            faults.silent = true;
            break;
        default:
            break; // no fault
        }
        gateway->setFaults(faults);
        ++faultsSwitched;
    }

    // Waits for the next box, or until the time is up.
    void awaitBox(int timeoutMs) { answerer.waitForBoxes(answerer.count() + 1, timeoutMs); }

    void scan()
    {
        lastAction = "scan";
        w->click("pushButtonScan");
        awaitBox(400 * random.bounded(1, 20));
        if (w->widget<QAbstractButton>("pushButtonScan")->text() == "Stop")
            w->click("pushButtonScan");
    }

    void command(const char *button)
    {
        lastAction = button;
        w->click(button);
        awaitBox(3000);
    }

    void configureSerial()
    {
        lastAction = "serial configure";
        for (const char *box :
             {"comboBoxBaudRate_set", "comboBoxStopBit_set", "comboBoxParity_set"}) {
            auto *selector = w->widget<QComboBox>(box);
            selector->setCurrentIndex(random.bounded(selector->count()));
        }
        w->click("pushButtonConfigSerial");
        awaitBox(3000);
    }

    DownloadTables windowTables() const
    {
        return {tableRecords<Tele485ToKnxW>(w->widget<QTableWidget>("tableWidget_485toknx_w")),
                tableRecords<Tele1Byte>(w->widget<QTableWidget>("tableWidget_1byte")),
                tableRecords<TeleKnxTo485W>(w->widget<QTableWidget>("tableWidget_knxto485_w"))};
    }

    void download()
    {
        const DownloadTables sent = windowTables();
        const int answersBefore = answersSent;
        const int from = answerer.count();
        w->click("pushButtonBurnData");
        if (random.bounded(6) == 0)
            edit(); // editing meanwhile changes nothing sent
        QString end;
        const bool ended = QTest::qWaitFor(
            [&] {
                for (const MessageBoxAnswerer::Box &box : answerer.boxes().mid(from))
                    if (box.title == "Success" || box.title == "Download error!")
                        end = box.text;
                return !end.isEmpty();
            },
            3500 * sent.frameCount());
        ++downloads;
        lastAction = QString("download of %1 frames: %2").arg(sent.frameCount()).arg(end);
        if (!ended)
            broken = "the download never ended";
        if (end != downloadSuccess)
            return;
        ++successfulDownloads;
        if (answersSent - answersBefore < sent.frameCount())
            broken = "success reported for a download whose frames were not all answered";
        else if (const QStringList d = tableDifferences(sent, gateway->storedTables());
                 !d.isEmpty())
            broken = "after a successful download the gateway holds other rows: " + d.first();
    }

    void testTelegram()
    {
        lastAction = "test telegram";
        auto *field = w->widget<QLineEdit>("lineEdit_485toknx_w_telegram");
        field->setText(SampleTables(random.generate()).row485ToKnxW(0).telegram);
        w->click("pushButton_485toknx_w_send");
    }

    void edit()
    {
        SampleTables samples(random.generate());
        switch (random.bounded(5)) {
        case 0:
            fillTables(*w, samples.make(random.bounded(8), random.bounded(8), random.bounded(8)));
            break;
        case 1:
            addRecord(*w, samples.row1Byte(0));
            break;
        case 2:
            w->widget<QTableWidget>("tableWidget_485toknx_w")
                ->setCurrentCell(random.bounded(20), 0);
            w->click("pushButton_485toknx_w_delete");
            break;
        case 3:
            answerer.answerNext(QMessageBox::Yes);
            w->click("pushButton_knxto485_w_clear");
            break;
        default:
            w->widget<QAction>("actionClose_C")->trigger();
            break;
        }
        lastAction = "edit";
    }

    void exportProject()
    {
        lastAction = "export";
        const QString file = dir.filePath("project.db");
        answerer.answerFileDialog(file);
        w->widget<QAction>("actionExport_E")->trigger();
        ProjectData project;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "soak");
            db.setDatabaseName(file);
            if (!db.open() || !readProjectFile(db, project))
                broken = "the exported file is no project";
        }
        QSqlDatabase::removeDatabase("soak");
        const DownloadTables read{project.list_485_to_knx_w, project.list_1byte,
                                  project.list_knx_to_485_w};
        if (const QStringList d = tableDifferences(asImported(windowTables()), read); !d.isEmpty())
            broken = "the exported file reads back otherwise: " + d.first();
        lastExport = file;
    }

    void importProject()
    {
        const bool garbage = lastExport.isEmpty() || random.bounded(3) == 0;
        lastAction = garbage ? "import of a file that is no project" : "import";
        const QString file = garbage ? dir.filePath("garbage.db") : lastExport;
        if (garbage) {
            QFile text(file);
            text.open(QIODevice::WriteOnly);
            text.write(QByteArray(random.bounded(2000), char(random.bounded(256))));
        }
        const DownloadTables before = windowTables();
        answerer.answerFileDialog(file);
        w->widget<QAction>("actionImport_I")->trigger();
        if (garbage && !tableDifferences(before, windowTables()).isEmpty())
            broken = "a failed import changed the tables";
    }

    void goAway()
    {
        lastAction = "gateway goes away";
        gateway->goAway();
        awaitBox(2000);
        if (w->isPortOpen())
            broken = "the port stays open after the gateway went away";
        ++gatewaysGone;
        startGateway();
    }

    void idle()
    {
        lastAction = "idle";
        QTest::qWait(random.bounded(500));
    }

    bool checkAlways()
    {
        // What the tool wrote has all reached the gateway once the line is quiet.
        const bool txMatches = QTest::qWaitFor(
            [&] { return counter(*w, "TX") - txBaseline == gateway->bytesReceived(); }, 2000);
        if (!broken.isEmpty())
            return failed(broken);
        if (!txMatches)
            return failed(QString("TX %1 but the gateway received %2")
                              .arg(counter(*w, "TX") - txBaseline)
                              .arg(gateway->bytesReceived()));
        if (stalls.longestMs() > 500)
            return failed(QString("the event loop stalled %1 ms").arg(stalls.longestMs()));
        if (residentMegabytes() - rssAtStart > 400)
            return failed("memory keeps growing");
        return true;
    }

    bool failed(const QString &why)
    {
        std::printf("FAILED after %s: %s (replay with --seed %u)\n", qPrintable(lastAction),
                    qPrintable(why), seed);
        return false;
    }

    quint32 seed;
    QRandomGenerator random;
    QTemporaryDir dir;
    QString link;
    QString gatewayLogText;
    QTextStream gatewayLog{&gatewayLogText};
    std::unique_ptr<GatewayEmulator> gateway;
    std::unique_ptr<WindowUnderTest> w;
    MessageBoxAnswerer answerer;
    StallMeter stalls;
    double rssAtStart = residentMegabytes();
    qint64 txBaseline = 0;
    int answersSent = 0;
    QString lastAction;
    QString lastExport;
    QString broken;
    int faultsSwitched = 0;
    int downloads = 0;
    int successfulDownloads = 0;
    int gatewaysGone = 0;
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
    const quint32 seed = parser.value("seed").toUInt();
    const int steps = parser.value("steps").toInt();
    const qint64 limitMs = parser.value("minutes").toLongLong() * 60000;

    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());
    FaultSoak soak(seed);
    QElapsedTimer clock;
    clock.start();
    int number = 0;
    while (limitMs > 0 ? clock.elapsed() < limitMs : number < steps) {
        if (!soak.step(++number))
            return 1;
    }
    soak.report();
    return 0;
}
