#include "scanmatrix.h"

#include <QTest>

class TestScanMatrix : public QObject
{
    Q_OBJECT

private slots:
    void triesEveryCombinationOnceInBindingOrder()
    {
        ScanMatrix matrix;
        QVERIFY(matrix.isEmpty());
        matrix.fill();
        QCOMPARE(matrix.remaining(), 81);

        int k = 0;
        while (const auto next = matrix.takeNext()) {
            QCOMPARE(next->baudIndex, k % 9);
            QCOMPARE(next->parityIndex, (k / 9) % 3);
            QCOMPARE(next->stopBitIndex, k / 27);
            ++k;
            QCOMPARE(matrix.remaining(), 81 - k);
        }
        QCOMPARE(k, 81);
        QVERIFY(matrix.isEmpty());
    }

    void clearLeavesNothing()
    {
        ScanMatrix matrix;
        matrix.fill();
        matrix.takeNext();
        matrix.clear();
        QVERIFY(!matrix.takeNext().has_value());
        matrix.fill();
        const auto first = matrix.takeNext();
        QVERIFY(first && first->baudIndex == 0 && first->stopBitIndex == 0 &&
                first->parityIndex == 0);
    }
};

QTEST_GUILESS_MAIN(TestScanMatrix)
#include "tst_scanmatrix.moc"
