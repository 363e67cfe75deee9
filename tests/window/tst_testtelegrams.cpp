#include "ptywindowtest.h"

#include <QLineEdit>

// Telegrams typed into an editor go out raw, in one write.
class TestTestTelegrams : public PtyWindowTest
{
    Q_OBJECT

private slots:
    void sent_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("485 to KNX") << QByteArray("pushButton_485toknx_w_send")
                                    << QByteArray("lineEdit_485toknx_w_telegram") << "01 02 03"
                                    << QByteArray::fromHex("010203");
        QTest::newRow("plus, mixed")
            << QByteArray("pushButton_1byte_send_p") << QByteArray("lineEdit_1byte_telegram1")
            << "0a-0B-ff" << QByteArray::fromHex("0A0BFF");
        QTest::newRow("minus, one pair")
            << QByteArray("pushButton_1byte_send_n") << QByteArray("lineEdit_1byte_telegram2")
            << "7E" << QByteArray::fromHex("7E");
        QTest::newRow("64 pairs") << QByteArray("pushButton_485toknx_w_send")
                                  << QByteArray("lineEdit_485toknx_w_telegram")
                                  << QString("a5 ").repeated(63) + "5a"
                                  << QByteArray(63, char(0xA5)) + char(0x5A);
        for (const char *incomplete : {"", "01 ", "01 0"})
            QTest::newRow(incomplete) << QByteArray("pushButton_485toknx_w_send")
                                      << QByteArray("lineEdit_485toknx_w_telegram")
                                      << QString(incomplete) << QByteArray();
    }

    void sent()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        w->widget<QLineEdit>(field)->setText(text);
        w->click(button);
        QCOMPARE(pty->read(qMax(1, int(bytes.size())), 300), bytes);
        QVERIFY(w->statusText().endsWith(QString("| TX:%1B | RX:0B").arg(bytes.size())));
    }
};

QTEST_MAIN(TestTestTelegrams)
#include "tst_testtelegrams.moc"
