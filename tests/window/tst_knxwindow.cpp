#include "gatewayemulator.h"
#include "groupaddressfiles.h"
#include "knxdserver.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablefilling.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
const QByteArray addressBook =
    sampleGroupAddressExport + "\"Kitchen temperature\";\"1/2/5\";\"DPST-9-1\"\r\n";
} // namespace

// The group monitor against knxd, knxtool on the other end of the bus.
class TestKnxWindow : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;

    static void connectKnx(WindowUnderTest &w, MessageBoxAnswerer &answerer,
                           const KnxdServer &server)
    {
        answerer.answerDialog([&](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("knxInterfaceEdit")->setText(server.interfaceText());
            dialog->accept();
        });
        w.widget<QAction>("actionConnectKnx")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(
            w.widget<QLabel>("knxStatusLabel")->text().contains(" connected as "), 10000);
    }

    // The Name cell's mark: "passed …", "failed …: why", or "" without one.
    static QString mark(WindowUnderTest &w, const char *table, int row)
    {
        const QTableWidgetItem *name = w.widget<QTableWidget>(table)->item(row, 0);
        return !name || name->icon().isNull() ? QString() : name->toolTip().section('\n', 0, 0);
    }

    // The monitor's rows whose group address is the one given, as
    // "source name service data value".
    static QStringList rowsTo(const QAbstractItemModel *model, const QString &address)
    {
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            const auto cell = [&](int column) {
                return model->index(row, column).data().toString();
            };
            if (cell(2) == address)
                rows << QStringList{cell(1), cell(3), cell(4), cell(5), cell(6)}.join(' ');
        }
        return rows;
    }

private slots:
    // Connected through the dialog, the monitor names and decodes what knxtool
    // writes, the capture holds it, and the send line's write and read reach
    // knxtool, the read's response shown.
    void monitorAndSendLine()
    {
        KnxdServer server;
        QVERIFY2(server.isRunning(), qPrintable(server.log()));
        KnxtoolListener listener(server);
        QVERIFY(listener.waitUntilListening(server));
        WindowUnderTest w;
        MessageBoxAnswerer answerer;
        importGroupAddresses(w, answerer, addressBook);
        answerer.answerFileDialog(workDir.filePath("capture.txt"));
        w.widget<QAction>("actionCaptureToFile")->trigger();

        connectKnx(w, answerer, server);
        w.widget<QAction>("actionGroupMonitor")->trigger();
        QVERIFY(!w.widget<QDockWidget>("groupMonitor")->isHidden());
        const QAbstractItemModel *rows = w.widget<QAbstractItemView>("groupMonitorView")->model();

        server.knxtool("groupwrite", {"1/2/5", "0c", "1a"});
        QTRY_COMPARE_WITH_TIMEOUT(rowsTo(rows, "1/2/5").size(), 1, 10000);
        QVERIFY(rowsTo(rows, "1/2/5").first().endsWith(" Kitchen temperature Write 0C 1A 21.0 °C"));

        w.widget<QLineEdit>("groupSendAddress")->setText("1/2/3");
        w.widget<QLineEdit>("groupSendValue")->setText("On");
        w.click("groupSendButton");
        QVERIFY(listener.waitFor("to 1/2/3: 01", 10000));
        auto *result = w.widget<QLabel>("groupSendResult");
        QTRY_COMPARE_WITH_TIMEOUT(result->text(), QString("Sent: 1/2/3 On"), 10000);

        w.widget<QComboBox>("groupSendService")->setCurrentIndex(1);
        w.click("groupSendButton");
        QVERIFY(listener.waitFor("Read from", 10000));
        server.knxtool("groupsresponse", {"1/2/3", "1"});
        QTRY_COMPARE_WITH_TIMEOUT(result->text(), QString("1/2/3 responded: On"), 10000);
        QCOMPARE(answerer.count(), 1); // the address book's import report

        w.widget<QAction>("actionCaptureToFile")->trigger();
        QFile capture(workDir.filePath("capture.txt"));
        QVERIFY(capture.open(QIODevice::ReadOnly));
        const QString captured = QString::fromUtf8(capture.readAll());
        QVERIFY2(captured.contains(QRegularExpression(" KNX [0-9.]+ → 1/2/5 write 0C 1A\n")),
                 qPrintable(captured));
        QVERIFY(captured.contains(QRegularExpression(" KNX [0-9.]+ → 1/2/3 read\n")));
    }

    // Check rows says what is missing first; then, against the virtual
    // gateway in working mode, marks each row with its outcome, a misrouted
    // row with what came instead; the marks go into the project file, and a
    // row edited loses its mark.
    void checkRows()
    {
        KnxdServer server;
        QVERIFY(server.isRunning());
        GatewayEmulator gateway;
        gateway.setRowFaults({{{TelegramTable::Tele485ToKnxW, 1}}, {}});
        gateway.connectKnx(server.clientUrl());
        WindowUnderTest w({gateway.portPath()});
        MessageBoxAnswerer answerer;
        w.widget<QAction>("actionCheckRows")->trigger();
        QVERIFY(answerer.waitForBoxes(1));
        QCOMPARE(answerer.last().informativeText,
                 "The gateway's port is not open: choose it and press Open.\n"
                 "There is no KNX connection: use KNX, Connect to KNX… to reach the bus the "
                 "gateway sends to.");

        fillTables(w, checkSampleTables());
        w.select("comboBoxBaudRate", "9600");
        QVERIFY(w.openPort(gateway.portPath()));
        w.click("pushButtonBurnData");
        QVERIFY(answerer.waitForBoxes(2, 10000));
        connectKnx(w, answerer, server);

        w.widget<QAction>("actionCheckRows")->trigger();
        QVERIFY(answerer.waitForBoxes(3, 30000));
        QCOMPARE(answerer.last().text, "6 passed, 1 failed, 0 skipped.\n\n485 to KNX row 2: KNX "
                                       "1/2/31 instead of 1/2/30");
        QVERIFY(mark(w, "tableWidget_485toknx_w", 0).startsWith("passed "));
        QVERIFY(mark(w, "tableWidget_485toknx_w", 1).endsWith(": KNX 1/2/31 instead of 1/2/30"));
        QVERIFY(mark(w, "tableWidget_knxto485_w", 0).startsWith("passed "));
        QVERIFY(w.window().windowTitle().endsWith('*'));
        // Answered only at 9600 again, after the row at 115200; the window
        // takes an answer only after 50 ms without bytes.
        QTest::qWait(100);
        w.click("pushButtonDebug");
        QVERIFY(answerer.waitForBoxes(4, 10000));
        QCOMPARE(answerer.last().text, "Setting debug mode successfully.");

        answerer.answerFileDialog(workDir.filePath("checked.db"));
        w.widget<QAction>("actionExport_E")->trigger();
        w.widget<QAction>("actionClose_C")->trigger();
        QCOMPARE(mark(w, "tableWidget_485toknx_w", 0), QString());
        answerer.answerFileDialog(workDir.filePath("checked.db"));
        w.widget<QAction>("actionImport_I")->trigger();
        QVERIFY(mark(w, "tableWidget_485toknx_w", 1).endsWith(": KNX 1/2/31 instead of 1/2/30"));
        w.widget<QTableWidget>("tableWidget_485toknx_w")->item(1, 6)->setText("100");
        QTRY_COMPARE(mark(w, "tableWidget_485toknx_w", 1), QString());
        QVERIFY(mark(w, "tableWidget_485toknx_w", 0).startsWith("passed "));
    }
};

QTEST_MAIN(TestKnxWindow)
#include "tst_knxwindow.moc"
