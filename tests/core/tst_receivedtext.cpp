#include "receivedtext.h"

#include <QTest>

class TestReceivedText : public QObject
{
    Q_OBJECT

private slots:
    void hexForm()
    {
        QCOMPARE(byteArrayToHexStr(QByteArray::fromHex("550C0D")), QString("55 0C 0D "));
        QCOMPARE(byteArrayToHexStr(QByteArray::fromHex("00FFa0")), QString("00 FF A0 "));
        QCOMPARE(byteArrayToHexStr({}), QString());
    }

    void hexLinesHoldAFixedNumberOfBytesAcrossChunks()
    {
        ReceivedText text;
        QString shown;
        for (int i = 0; i < 10; ++i)
            shown += text.append(QByteArray(7, char(0xAB)), true);
        const QStringList lines = shown.split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString("AB ").repeated(32));
        QCOMPARE(lines[1], QString("AB ").repeated(32));
        QCOMPARE(lines[2], QString("AB ").repeated(6));
    }

    void exactlyOneLineEndsWithoutABreak()
    {
        ReceivedText text;
        QCOMPARE(text.append(QByteArray(32, '\x01'), true), QString("01 ").repeated(32));
        QCOMPARE(text.append(QByteArray(1, '\x02'), true), QString("\n02 "));
    }

    void textFormKeepsEveryByteButZero()
    {
        ReceivedText text;
        QCOMPARE(text.append(QByteArray("OK\0X", 4), false), QString("OKX"));
        QCOMPARE(text.append(QByteArray("<b>a</b> &amp;  y"), false), QString("<b>a</b> &amp;  y"));
        QCOMPARE(text.append(QByteArray("\xE9\xA0"), false), QString::fromLatin1("\xE9\xA0"));
    }

    void textFormLineBreaks()
    {
        ReceivedText text;
        QCOMPARE(text.append("a\r\nb\nc\rd", false), QString("a\nb\nc\nd"));
        // CR LF split between two chunks is one break.
        QCOMPARE(text.append("e\r", false), QString("e\n"));
        QCOMPARE(text.append("\nf", false), QString("f"));
        QCOMPARE(text.append(QByteArray("\r\0\n", 3), false), QString("\n"));
        QCOMPARE(text.append("\n\n", false), QString("\n\n"));
    }

    void longTextRunsAreBroken()
    {
        ReceivedText text;
        const QString shown = text.append(QByteArray(250, 'x'), false);
        const QStringList lines = shown.split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].size(), ReceivedText::LineLength);
        QCOMPARE(lines[2].size(), 250 - 2 * ReceivedText::LineLength);
    }

    void clearStartsANewLine()
    {
        ReceivedText text;
        text.append(QByteArray(31, '\x01'), true);
        text.clear();
        QCOMPARE(text.append(QByteArray(2, '\x01'), true), QString("01 01 "));
    }
};

QTEST_GUILESS_MAIN(TestReceivedText)
#include "tst_receivedtext.moc"
