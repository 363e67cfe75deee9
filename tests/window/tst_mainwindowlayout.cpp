#include "itemtexts.h"
#include "scopedworkdir.h"
#include "windowundertest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>

namespace {
QStringList items(const QComboBox *box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}

QStringList headers(const QTableWidget *table)
{
    QStringList result;
    for (int i = 0; i < table->columnCount(); ++i)
        result << table->horizontalHeaderItem(i)->text();
    return result;
}
} // namespace

class TestMainWindowLayout : public QObject
{
    Q_OBJECT

    ScopedWorkDir workDir;
    std::unique_ptr<WindowUnderTest> w;

    QStringList itemsOf(const char *comboBox) const
    {
        return items(w->widget<QComboBox>(comboBox));
    }

private slots:
    void init() { w = std::make_unique<WindowUnderTest>(); }
    void cleanup() { w.reset(); }

    void windowMenusAndTabs()
    {
        QStringList shown = {w->window().windowTitle()};
        for (const char *menu : {"menuFile_F", "menuLanguage_L"})
            for (const QAction *action : w->widget<QMenu>(menu)->actions())
                shown << action->objectName();
        auto *tabs = w->widget<QTabWidget>("tabWidget_General");
        for (int i = 0; i < tabs->count(); ++i)
            shown << tabs->widget(i)->objectName() + " " + tabs->tabText(i);
        QCOMPARE(shown,
                 QStringList({"RS485 Conifguration V1.1.3", "actionImport_I", "actionExport_E",
                              "actionClose_C", "actionQuit_Q", "actionChinese_C", "actionEnglish_E",
                              "tab_3 General Setting", "tab 485 to KNX", "tab_4 485 to KNX(1 Byte)",
                              "tab_2 KNX to 485"}));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    // Other code selects these items by index: their order is binding.
    void comboBoxItemsAndSelections()
    {
        const QList<std::pair<QStringList, QStringList>> expected = {
            {{"comboBoxBaudRate", "comboBoxBaudRate_set", "comboBox_knxto485_w_baudrate"},
             baudRateTexts()},
            {{"comboBoxDataBit", "comboBoxDataBit_set"}, {"8", "7", "6", "5"}},
            {{"comboBoxStopBit", "comboBoxStopBit_set"}, {"1", "1.5", "2"}},
            {{"comboBoxParity", "comboBoxParity_set"}, {"None", "ODD", "EVEN"}},
            {{"comboBoxFlowCtrl", "comboBoxFlowCtrl_set"}, {"OFF", "HARDWARE", "XONXOFF"}},
            {{"comboBox_485toknx_w_type"}, type485ToKnxTexts()},
            {{"comboBox_knxto485_w_type"}, typeKnxTo485Texts()},
            {{"comboBox_485toknx_w_length", "comboBox_knxto485_w_length", "comboBox_1byte_length"},
             lengthTexts()}};
        for (const auto &[boxes, items] : expected)
            for (const QString &box : boxes)
                QCOMPARE(itemsOf(qPrintable(box)), items);
        QCOMPARE(baudRateTexts().first(), QString("2400"));
        for (const char *box :
             {"comboBoxBaudRate", "comboBoxBaudRate_set", "comboBox_knxto485_w_baudrate"})
            QCOMPARE(w->widget<QComboBox>(box)->currentText(), QString("2400"));
        QCOMPARE(w->widget<QComboBox>("comboBox_1byte_length")->currentText(), QString("1 byte"));
    }

    void initialStates()
    {
        for (const char *name :
             {"comboBoxDataBit", "comboBoxFlowCtrl", "checkBoxDTR", "checkBoxRTS",
              "comboBoxDataBit_set", "comboBoxFlowCtrl_set", "checkBoxDTR_set", "checkBoxRTS_set",
              "comboBox_1byte_length", "mainToolBar", "groupBox_operation",
              "pushButton_485toknx_w_send", "pushButton_1byte_send_p", "pushButton_1byte_send_n"})
            QVERIFY2(!w->widget(name)->isEnabled(), name);
        for (const char *name : {"pushButtonOpen", "comboBoxComm", "comboBoxParity",
                                 "pushButton_485toknx_w_add", "pushButton_knxto485_w_clear"})
            QVERIFY2(w->widget(name)->isEnabled(), name);
        QVERIFY(w->widget<QCheckBox>("checkBoxHex4Disp")->isChecked());
        QVERIFY(!w->widget<QCheckBox>("checkBoxDTR_set")->isChecked());
        QCOMPARE(w->statusText(), QString("Serial port is not open | TX:0B | RX:0B"));
        QVERIFY(w->widget<QLabel>("siteLabel")->text().startsWith("Site:<a href="));

        auto *area = w->widget<QPlainTextEdit>("textEditRecv");
        QVERIFY(area->isReadOnly() && !area->acceptDrops());
        QCOMPARE(area->maximumHeight(), 155);
        QCOMPARE(area->font().family(), QString("Courier New [Cronyx]"));
        QCOMPARE(area->font().pointSize(), 10);
        w->window().show(); // a taller window gives the receive area its full height
        w->window().resize(855, 800);
        QTRY_COMPARE(area->height(), 155);

        struct Range
        {
            const char *name;
            int minimum, maximum, value;
        };
        for (const Range &r :
             {Range{"spinBox_485toknx_w_value", 0, 1, 0},
              Range{"spinBox_knxto485_w_value", 0, 1, 0}, Range{"spinBox_1byte_min", 0, 255, 0},
              Range{"spinBox_1byte_max", 0, 255, 255},
              Range{"spinBox_1byte_interval", 1, 255, 1}}) {
            auto *box = w->widget<QSpinBox>(r.name);
            QCOMPARE(QList<int>({box->minimum(), box->maximum(), box->value()}),
                     QList<int>({r.minimum, r.maximum, r.value}));
        }
    }

    void tables()
    {
        const QMap<QString, QStringList> expected = {
            {"tableWidget_485toknx_w",
             {"Name", "Telegram", "Ack", "Type", "Addr.", "Length", "Value"}},
            {"tableWidget_1byte",
             {"Name", "Telegram(+)", "Ack(+)", "Telegram(-)", "Ack(-)", "Addr.", "Length", "Min",
              "Max", "Interval"}},
            {"tableWidget_knxto485_w",
             {"Name", "Tyte", "Baud Rate", "Addr.", "Length", "Value", "Telegram"}},
        };
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            auto *table = w->widget<QTableWidget>(qPrintable(it.key()));
            QCOMPARE(headers(table), it.value());
            QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
            QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
            QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        }
    }

    void focusOrder()
    {
        const QStringList expected =
            QString(
                "tabWidget_General comboBoxComm comboBoxBaudRate comboBoxDataBit comboBoxStopBit "
                "comboBoxParity comboBoxFlowCtrl checkBoxDTR checkBoxRTS pushButtonOpen "
                "pushButtonScan pushButtonDebug pushButtonConfigSerial pushButtonBurnData "
                "pushButtonWorkMode comboBoxBaudRate_set comboBoxDataBit_set comboBoxStopBit_set "
                "comboBoxParity_set comboBoxFlowCtrl_set checkBoxDTR_set checkBoxRTS_set "
                "textEditRecv pushButtonSave checkBoxHex4Disp pushButtonClear "
                "tableWidget_485toknx_w lineEdit_485toknx_w_name lineEdit_485toknx_w_telegram "
                "pushButton_485toknx_w_send lineEdit_485toknx_w_ack lineEdit_485toknx_w_addr "
                "comboBox_485toknx_w_length spinBox_485toknx_w_value pushButton_485toknx_w_add "
                "pushButton_485toknx_w_update pushButton_485toknx_w_delete "
                "pushButton_485toknx_w_clear tableWidget_1byte lineEdit_1byte_name "
                "lineEdit_1byte_telegram1 pushButton_1byte_send_p lineEdit_1byte_ack1 "
                "lineEdit_1byte_telegram2 pushButton_1byte_send_n lineEdit_1byte_ack2 "
                "lineEdit_1byte_addr comboBox_1byte_length spinBox_1byte_min spinBox_1byte_max "
                "spinBox_1byte_interval pushButton_1byte_add pushButton_1byte_update "
                "pushButton_1byte_delete pushButton_1byte_clear tableWidget_knxto485_w "
                "lineEdit_knxto485_w_name comboBox_knxto485_w_type lineEdit_knxto485_w_addr "
                "comboBox_knxto485_w_length spinBox_knxto485_w_value "
                "lineEdit_knxto485_w_telegram comboBox_knxto485_w_baudrate "
                "pushButton_knxto485_w_add pushButton_knxto485_w_update "
                "pushButton_knxto485_w_delete pushButton_knxto485_w_clear "
                "comboBox_485toknx_w_type ")
                .split(' ', Qt::SkipEmptyParts);
        QStringList chain;
        QWidget *start = w->widget("tabWidget_General");
        QWidget *widget = start;
        do {
            if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName()))
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(chain, expected);
    }
};

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"
