#include "mainwindow.h"
#include "scopedworkdir.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

class TestCatalogue : public QObject
{
    Q_OBJECT

    QTranslator catalogue;

    static QString lookUp(const QString &source)
    {
        return QCoreApplication::translate("MainWindow", source.toUtf8().constData());
    }

private slots:
    void initTestCase() { QVERIFY(catalogue.load(":/tr_SC.qm")); }

    void lookups()
    {
        QCoreApplication::installTranslator(&catalogue);
        const QList<QPair<QString, QString>> pairs = {
            {"%1 Open %2 %3 %4 | ", "%1 打开 %2 %3 %4 | "},
            {"Serial port is not open | ", "串口没有打开 | "},
            {"Cannot open the port\nCheck to see if the serial port is occupied",
             "不能打开串口\n检查是否串口被占用"},
            {"English(&E)", "英语（English）(&E)"},
            {"Language(&L)", "语言(Language)(&L)"},
            {"Tyte", "类型"},
            {"Flow conntrol:", "流控位"},
            {"OFF", "关"},
            {"response", "response"},
            {"No such text", "No such text"}};
        for (const auto &pair : pairs)
            QCOMPARE(lookUp(pair.first), pair.second);
        QCOMPARE(lookUp("Download %1 error!").arg(lookUp("telegram number")),
                 QString("下载报文数目错误！"));
        QCoreApplication::removeTranslator(&catalogue);
    }

    // Rules by item index hold in both languages: only "OFF" reads differently.
    void chineseWindowKeepsComboBoxItems()
    {
        ScopedWorkDir dir;
        QMap<QString, QStringList> english;
        auto collect = [](const MainWindow &window) {
            QMap<QString, QStringList> boxes;
            for (const QComboBox *box : window.findChildren<QComboBox *>())
                for (int i = 0; i < box->count(); ++i)
                    boxes[box->objectName()] << box->itemText(i);
            return boxes;
        };
        english = collect(MainWindow());
        QCoreApplication::installTranslator(&catalogue);
        const QMap<QString, QStringList> chinese = collect(MainWindow());
        QCoreApplication::removeTranslator(&catalogue);
        for (auto it = english.begin(); it != english.end(); ++it)
            QCOMPARE(chinese.value(it.key()),
                     it.value().replaceInStrings(QRegularExpression("^OFF$"), "关"));
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
