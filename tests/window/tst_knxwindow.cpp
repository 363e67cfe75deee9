#include "groupaddressfiles.h"
#include "knxdserver.h"
#include "scopedworkdir.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
const QByteArray addressBook = sampleGroupAddressExport +
                               "\"Kitchen temperature\";\"1/2/5\";\"DPST-9-1\"\r\n";
} // namespace

// The group monitor against knxd, knxtool on the other end of the bus.
class TestKnxWindow : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;

    // The monitor's rows whose group address is the one given, as
    // "source name service data value".
    static QStringList rowsTo(const QAbstractItemModel *model, const QString &address)
    {
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            const auto cell = [&](int column) { return model->index(row, column).data().toString(); };
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

        answerer.answerDialog([&](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("knxInterfaceEdit")->setText(server.interfaceText());
            dialog->accept();
        });
        w.widget<QAction>("actionConnectKnx")->trigger();
        auto *status = w.widget<QLabel>("knxStatusLabel");
        QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(" connected as "), 10000);
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
};

QTEST_MAIN(TestKnxWindow)
#include "tst_knxwindow.moc"
