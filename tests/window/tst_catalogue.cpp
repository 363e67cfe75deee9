#include "languagesetting.h"
#include "mainwindow.h"
#include "scopedworkdir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

namespace {
QString zh(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList items(const QComboBox *box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}
} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    QTranslator catalogue;

    static QString lookUp(const char *source)
    {
        return QCoreApplication::translate("MainWindow", source);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(catalogue.load(":/tr_SC.qm"));
        QCoreApplication::installTranslator(&catalogue);
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::newRow("placeholders and bar") << "%1 Open %2 %3 %4 | " << zh("%1 打开 %2 %3 %4 | ");
        QTest::newRow("trailing blank") << "Serial port is not open | " << zh("串口没有打开 | ");
        QTest::newRow("line break")
            << "Cannot open the port\nCheck to see if the serial port is occupied"
            << zh("不能打开串口\n检查是否串口被占用");
        QTest::newRow("full-width brackets") << "English(&E)" << zh("英语（English）(&E)");
        QTest::newRow("full-width, no mnemonic") << "HEX disp." << zh("显示（16进制）");
        QTest::newRow("ascii brackets") << "Language(&L)" << zh("语言(Language)(&L)");
        QTest::newRow("typo key") << "RS485 Conifguration" << zh("RS485 配置软件");
        QTest::newRow("second typo key") << "Tyte" << zh("类型");
        QTest::newRow("distinct key, same text") << "Flow conntrol:" << zh("流控位");
        QTest::newRow("only translated item") << "OFF" << zh("关");
        QTest::newRow("translates to itself") << "response"
                                              << "response";
        QTest::newRow("counters") << "TX:%1B | RX:%2B"
                                  << "TX:%1B | RX:%2B";
        QTest::newRow("filter") << "db Files (*.db);; db Files (*.db)"
                                << "db Files (*.db);; db Files (*.db)";
        QTest::newRow("download") << "Download" << zh("下载数据");
    }

    void lookups()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QCOMPARE(lookUp(source.toUtf8().constData()), translation);
    }

    void placeholderFilledAfterLookup()
    {
        QCOMPARE(lookUp("Download %1 error!").arg(lookUp("telegram number")),
                 zh("下载报文数目错误！"));
        QCOMPARE(lookUp("telegram 485 to knx(Write) %1").arg(3), zh("telegram 485 to knx(写) 3"));
    }

    void unknownTextStaysEnglish()
    {
        QCOMPARE(lookUp("No such text in the catalogue"), QString("No such text in the catalogue"));
    }

    // Index-based rules hold in both languages: the items keep count and
    // order, and of all items only "OFF" reads differently.
    void chineseWindowKeepsComboBoxItems()
    {
        ScopedWorkDir dir;
        QMap<QString, QStringList> english;
        QCoreApplication::removeTranslator(&catalogue);
        {
            MainWindow window;
            for (const QComboBox *box : window.findChildren<QComboBox *>())
                english[box->objectName()] = items(box);
        }
        QCoreApplication::installTranslator(&catalogue);

        MainWindow window;
        QCOMPARE(window.findChild<QTabWidget *>("tabWidget_General")->tabText(0), zh("常用设置"));
        const QList<QComboBox *> boxes = window.findChildren<QComboBox *>();
        QCOMPARE(boxes.size(), english.size());
        for (const QComboBox *box : boxes) {
            QStringList expected = english.value(box->objectName());
            expected.replaceInStrings(QRegularExpression("^OFF$"), zh("关"));
            QCOMPARE(items(box), expected);
        }
        QCOMPARE(items(window.findChild<QComboBox *>("comboBoxFlowCtrl_set")),
                 QStringList({zh("关"), "HARDWARE", "XONXOFF"}));
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
