#include "itemtexts.h"
#include "languagesetting.h"
#include "mainwindow.h"
#include "scopedworkdir.h"

#include <QComboBox>
#include <QTest>
#include <QTranslator>

namespace {
void addRows(const char *box, const QStringList &texts)
{
    for (const bool chinese : {false, true})
        QTest::addRow("%s %s", box, chinese ? "Chinese" : "English") << box << chinese << texts;
}
} // namespace

class TestItemTexts : public QObject
{
    Q_OBJECT

private slots:
    // The lists that the tables' cells are compared with hold exactly the
    // form's items, in order, in both interface languages.
    void formListsEqualCoreLists_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QStringList>("texts");
        for (const char *box :
             {"comboBoxBaudRate", "comboBoxBaudRate_set", "comboBox_knxto485_w_baudrate"})
            addRows(box, baudRateTexts());
        for (const char *box :
             {"comboBox_485toknx_w_length", "comboBox_knxto485_w_length", "comboBox_1byte_length"})
            addRows(box, lengthTexts());
        addRows("comboBox_485toknx_w_type", type485ToKnxTexts());
        addRows("comboBox_knxto485_w_type", typeKnxTo485Texts());
    }

    void formListsEqualCoreLists()
    {
        QFETCH(QString, box);
        QFETCH(bool, chinese);
        QFETCH(QStringList, texts);
        ScopedWorkDir dir;
        if (chinese)
            writeLanguageSetting(LanguageChinese);
        QTranslator translator;
        installLanguage(translator);
        MainWindow window;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(window.windowTitle().startsWith("RS485 Conifguration"), !chinese);
        const auto *combo = window.findChild<QComboBox *>(box);
        QVERIFY(combo);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, texts);
    }

    void readIsTheSameItemInBothTypeLists()
    {
        QCOMPARE(type485ToKnxTexts().at(ReadTypeIndex), QString("read"));
        QCOMPARE(typeKnxTo485Texts().at(ReadTypeIndex), QString("read"));
    }
};

QTEST_MAIN(TestItemTexts)
#include "tst_itemtexts.moc"
