#include "languagesetting.h"
#include "mainwindow.h"
#include "scopedworkdir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTranslator>

namespace {
const QStringList baudRates = {"2400",  "4800",  "9600",  "14400", "19200",
                               "38400", "56000", "57600", "115200"};
const QStringList lengths = {"1 bit", "2 bit", "4 bit", "6 bit", "1 byte", "2 byte"};

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

QStringList actionTexts(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result << action->objectName() + " " + action->text();
    return result;
}

// Every combo box with its items in order, in the English interface.
QMap<QString, QStringList> englishItems()
{
    const QStringList dataBits = {"8", "7", "6", "5"};
    const QStringList stopBits = {"1", "1.5", "2"};
    const QStringList parities = {"None", "ODD", "EVEN"};
    const QStringList flowControls = {"OFF", "HARDWARE", "XONXOFF"};
    return {
        {"comboBoxBaudRate", baudRates},
        {"comboBoxBaudRate_set", baudRates},
        {"comboBox_knxto485_w_baudrate", baudRates},
        {"comboBoxDataBit", dataBits},
        {"comboBoxDataBit_set", dataBits},
        {"comboBoxStopBit", stopBits},
        {"comboBoxStopBit_set", stopBits},
        {"comboBoxParity", parities},
        {"comboBoxParity_set", parities},
        {"comboBoxFlowCtrl", flowControls},
        {"comboBoxFlowCtrl_set", flowControls},
        {"comboBox_485toknx_w_type", {"write", "read"}},
        {"comboBox_knxto485_w_type", {"write", "read", "response"}},
        {"comboBox_485toknx_w_length", lengths},
        {"comboBox_knxto485_w_length", lengths},
        {"comboBox_1byte_length", lengths},
    };
}
} // namespace

class TestMainWindowLayout : public QObject
{
    Q_OBJECT

    template <typename T> T *find(const char *name) const
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }

    ScopedWorkDir workDir;
    std::unique_ptr<MainWindow> window;

private slots:
    void init() { window = std::make_unique<MainWindow>(); }
    void cleanup() { window.reset(); }

    void windowAndMenus()
    {
        QCOMPARE(window->windowTitle(), QString("RS485 Conifguration V1.1.3"));
        QCOMPARE(window->size(), QSize(855, 573));
        const QList<QMenu *> menus = find<QMenuBar>("menuBar")->findChildren<QMenu *>();
        QCOMPARE(find<QMenuBar>("menuBar")->actions().size(), 2);
        QCOMPARE(find<QMenuBar>("menuBar")->actions().at(0)->text(), QString("File(&F)"));
        QCOMPARE(find<QMenuBar>("menuBar")->actions().at(1)->text(), QString("Language(&L)"));
        QCOMPARE(actionTexts(find<QMenu>("menuFile_F")),
                 QStringList({"actionImport_I Import(&I)", "actionExport_E Export(&E)",
                              "actionClose_C Close project(&C)", "actionQuit_Q Quit(&Q)"}));
        QCOMPARE(actionTexts(find<QMenu>("menuLanguage_L")),
                 QStringList({"actionChinese_C Chinese(&C)", "actionEnglish_E English(&E)"}));
        QVERIFY(!find<QToolBar>("mainToolBar")->isEnabled());
    }

    void tabs()
    {
        auto *tabs = find<QTabWidget>("tabWidget_General");
        QCOMPARE(tabs->currentIndex(), 0);
        QStringList pages;
        for (int i = 0; i < tabs->count(); ++i)
            pages << tabs->widget(i)->objectName() + " " + tabs->tabText(i);
        QCOMPARE(pages, QStringList({"tab_3 General Setting", "tab 485 to KNX",
                                     "tab_4 485 to KNX(1 Byte)", "tab_2 KNX to 485"}));
    }

    void comboBoxItemsAndSelections()
    {
        const auto expected = englishItems();
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QCOMPARE(items(find<QComboBox>(qPrintable(it.key()))), it.value());
        for (QComboBox *box : window->findChildren<QComboBox *>())
            QVERIFY2(!box->isEditable(), qPrintable(box->objectName()));

        QCOMPARE(find<QComboBox>("comboBoxBaudRate")->currentText(), QString("2400"));
        QCOMPARE(find<QComboBox>("comboBoxBaudRate_set")->currentText(), QString("2400"));
        QCOMPARE(find<QComboBox>("comboBox_knxto485_w_baudrate")->currentText(), QString("2400"));
        QCOMPARE(find<QComboBox>("comboBox_1byte_length")->currentText(), QString("1 byte"));
        QCOMPARE(find<QComboBox>("comboBoxDataBit")->currentText(), QString("8"));
        QCOMPARE(find<QComboBox>("comboBoxFlowCtrl_set")->currentText(), QString("OFF"));
        QCOMPARE(find<QComboBox>("comboBox_485toknx_w_length")->currentIndex(), 0);
    }

    void initialStates()
    {
        for (const char *name :
             {"comboBoxDataBit", "comboBoxFlowCtrl", "checkBoxDTR", "checkBoxRTS",
              "comboBoxDataBit_set", "comboBoxFlowCtrl_set", "checkBoxDTR_set", "checkBoxRTS_set",
              "comboBox_1byte_length", "groupBox_operation", "pushButton_485toknx_w_send",
              "pushButton_1byte_send_p", "pushButton_1byte_send_n"})
            QVERIFY2(!find<QWidget>(name)->isEnabled(), name);
        for (const char *name :
             {"pushButtonOpen", "comboBoxComm", "comboBoxBaudRate", "comboBoxStopBit",
              "comboBoxParity", "pushButtonSave", "pushButtonClear", "pushButton_485toknx_w_add",
              "pushButton_1byte_update", "pushButton_knxto485_w_delete",
              "pushButton_knxto485_w_clear"})
            QVERIFY2(find<QWidget>(name)->isEnabled(), name);
        for (const char *name : {"pushButtonScan", "pushButtonDebug", "pushButtonConfigSerial",
                                 "pushButtonBurnData", "pushButtonWorkMode"})
            QVERIFY2(!find<QPushButton>(name)->isEnabledTo(window.get()), name);

        QVERIFY(find<QCheckBox>("checkBoxHex4Disp")->isChecked());
        for (const char *name :
             {"checkBoxDTR", "checkBoxRTS", "checkBoxDTR_set", "checkBoxRTS_set"})
            QVERIFY2(!find<QCheckBox>(name)->isChecked(), name);
        QCOMPARE(find<QPushButton>("pushButtonOpen")->text(), QString("Open"));
        QCOMPARE(find<QPushButton>("pushButtonScan")->text(), QString("Scan"));
    }

    void receiveArea()
    {
        auto *area = find<QPlainTextEdit>("textEditRecv");
        QVERIFY(area->isReadOnly());
        QVERIFY(!area->acceptDrops());
        QCOMPARE(area->maximumHeight(), 155);
        QCOMPARE(area->font().family(), QString("Courier New [Cronyx]"));
        QCOMPARE(area->font().pointSize(), 10);
        QVERIFY(!area->font().bold() && !area->font().italic());
        QCOMPARE(find<QGroupBox>("groupBox_2")->title(), QString("Receive Data"));
        auto *save = find<QPushButton>("pushButtonSave");
        QCOMPARE(save->toolTip(), QString("Save"));
        QCOMPARE(save->statusTip(), QString("Save the contents of the receiving area"));
        QCOMPARE(save->whatsThis(), QString("Save data received"));
        QCOMPARE(find<QCheckBox>("checkBoxHex4Disp")->text(), QString("HEX disp."));
        QCOMPARE(find<QPushButton>("pushButtonClear")->statusTip(),
                 QString("Clear the receiving area"));
    }

    void tablesAndSpinBoxes()
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
            auto *table = find<QTableWidget>(qPrintable(it.key()));
            QCOMPARE(headers(table), it.value());
            QCOMPARE(table->rowCount(), 0);
            QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
            QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
            QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        }

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
            auto *box = find<QSpinBox>(r.name);
            QCOMPARE(box->minimum(), r.minimum);
            QCOMPARE(box->maximum(), r.maximum);
            QCOMPARE(box->value(), r.value);
        }
    }

    void statusBar()
    {
        auto *status = find<QStatusBar>("statusBar");
        const QList<QLabel *> labels = status->findChildren<QLabel *>();
        QLabel *statusLabel = nullptr;
        QLabel *siteLabel = nullptr;
        for (QLabel *label : labels) {
            if (label->text().startsWith("Serial port"))
                statusLabel = label;
            else if (label->text().startsWith("Site:"))
                siteLabel = label;
        }
        QVERIFY(statusLabel && siteLabel);
        QCOMPARE(statusLabel->text(), QString("Serial port is not open | TX:0B | RX:0B"));
        QCOMPARE(statusLabel->minimumSize(), QSize(150, 20));
        QCOMPARE(statusLabel->frameShape(), QFrame::Panel);
        QCOMPARE(statusLabel->frameShadow(), QFrame::Sunken);
        QVERIFY(siteLabel->openExternalLinks());
        QVERIFY(siteLabel->text().contains("<a href="));
        QCOMPARE(siteLabel->toolTip(), siteLabel->text());
        QVERIFY(!siteLabel->statusTip().isEmpty());
        // The counter stands left of the site link.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(statusLabel->geometry().right() < siteLabel->geometry().left());
    }

    void focusOrder()
    {
        const QStringList expected = {
            "tabWidget_General", "comboBoxComm", "comboBoxBaudRate", "comboBoxDataBit",
            "comboBoxStopBit", "comboBoxParity", "comboBoxFlowCtrl", "checkBoxDTR", "checkBoxRTS",
            "pushButtonOpen", "pushButtonScan", "pushButtonDebug", "pushButtonConfigSerial",
            "pushButtonBurnData", "pushButtonWorkMode", "comboBoxBaudRate_set",
            "comboBoxDataBit_set", "comboBoxStopBit_set", "comboBoxParity_set",
            "comboBoxFlowCtrl_set", "checkBoxDTR_set", "checkBoxRTS_set", "textEditRecv",
            "pushButtonSave", "checkBoxHex4Disp", "pushButtonClear",
            // 485 to KNX
            "tableWidget_485toknx_w", "lineEdit_485toknx_w_name", "lineEdit_485toknx_w_telegram",
            "pushButton_485toknx_w_send", "lineEdit_485toknx_w_ack", "lineEdit_485toknx_w_addr",
            "comboBox_485toknx_w_length", "spinBox_485toknx_w_value", "pushButton_485toknx_w_add",
            "pushButton_485toknx_w_update", "pushButton_485toknx_w_delete",
            "pushButton_485toknx_w_clear",
            // 485 to KNX (1 byte)
            "tableWidget_1byte", "lineEdit_1byte_name", "lineEdit_1byte_telegram1",
            "pushButton_1byte_send_p", "lineEdit_1byte_ack1", "lineEdit_1byte_telegram2",
            "pushButton_1byte_send_n", "lineEdit_1byte_ack2", "lineEdit_1byte_addr",
            "comboBox_1byte_length", "spinBox_1byte_min", "spinBox_1byte_max",
            "spinBox_1byte_interval", "pushButton_1byte_add", "pushButton_1byte_update",
            "pushButton_1byte_delete", "pushButton_1byte_clear",
            // KNX to 485
            "tableWidget_knxto485_w", "lineEdit_knxto485_w_name", "comboBox_knxto485_w_type",
            "lineEdit_knxto485_w_addr", "comboBox_knxto485_w_length", "spinBox_knxto485_w_value",
            "lineEdit_knxto485_w_telegram", "comboBox_knxto485_w_baudrate",
            "pushButton_knxto485_w_add", "pushButton_knxto485_w_update",
            "pushButton_knxto485_w_delete", "pushButton_knxto485_w_clear",
            "comboBox_485toknx_w_type"};

        QStringList chain;
        QWidget *start = find<QWidget>("tabWidget_General");
        QWidget *w = start;
        do {
            if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != start);
        QCOMPARE(chain, expected);
    }
};

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"
