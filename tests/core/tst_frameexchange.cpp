#include "frameexchange.h"
#include "localserialline.h"
#include "pseudoterminal.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QByteArray frameA = QByteArray::fromHex("550C0C01776F726B6D6F64650103D70D");
const QByteArray frameB = QByteArray::fromHex("550C0C01776F726B6D6F64650203D80D");
const QByteArray answer = QByteArray::fromHex("0C5500000000000D");
using Answers = QList<std::optional<QByteArray>>;
} // namespace

// The engine's paths that no gateway takes on its own. The test writes the
// gateway's side of a pseudo-terminal when the engine has come to the point
// under test.
class TestFrameExchange : public QObject
{
    Q_OBJECT

    PseudoTerminal pty;
    LocalSerialLine line{pty.slavePath()};
    Answers answers;

    void send(FrameExchange &engine, const QByteArray &frame)
    {
        engine.send(frame, answer.size(), [this](const auto &taken) { answers << taken; });
    }

private slots:
    void initTestCase()
    {
        line.openLine();
        QVERIFY(line.isOpen());
    }
    void init() { answers.clear(); }

    // Past its time-out the frame waits for a late answer, which is its own;
    // only after that wait is it sent again, and the answer to the copy is taken.
    void lateAnswerThenResend()
    {
        {
            FrameExchange waiting(line, {100, 1, ExchangeLimits::Unbounded});
            QSignalSpy overdue(&waiting, &FrameExchange::overdue);
            send(waiting, frameA);
            QVERIFY(overdue.wait(5000));
            QCOMPARE(pty.read(frameA.size(), 5000), frameA);
            QVERIFY(pty.write(answer));
            QTRY_COMPARE(answers, Answers{answer});
            QCOMPARE(std::pair(waiting.lateAnswers(), waiting.resends()), std::pair(1, 0));
        } // one engine on the line at a time
        answers.clear();
        FrameExchange resending(line, {100, 1, 100});
        QSignalSpy again(&resending, &FrameExchange::resending);
        send(resending, frameA);
        QVERIFY(again.wait(5000));
        QCOMPARE(pty.read(2 * frameA.size(), 5000), frameA + frameA);
        QVERIFY(pty.write(answer));
        QTRY_COMPARE(answers, Answers{answer});
        QCOMPARE(std::pair(resending.lateAnswers(), resending.resends()), std::pair(0, 1));
    }

    // Cancelled, a frame's handler is never called: its answer arriving later
    // is only received. A handler may send the next frame at once.
    void cancelAndSendFromTheHandler()
    {
        FrameExchange engine(line, {5000, 0, 0});
        QSignalSpy received(&engine, &FrameExchange::received);
        send(engine, frameA);
        engine.cancel();
        QCOMPARE(pty.read(frameA.size(), 5000), frameA);
        QVERIFY(pty.write(answer));
        QVERIFY(received.wait(5000));
        QVERIFY(answers.isEmpty() && !engine.isAwaiting());

        engine.send(frameA, answer.size(), [&](const auto &first) {
            answers << first;
            send(engine, frameB);
        });
        QCOMPARE(pty.read(frameA.size(), 5000), frameA);
        QVERIFY(pty.write(answer));
        QCOMPARE(pty.read(frameB.size(), 5000), frameB);
        QVERIFY(pty.write(answer));
        QTRY_COMPARE(answers, Answers({answer, answer}));
        QCOMPARE(engine.framesAnswered(), 2);
    }
};

QTEST_GUILESS_MAIN(TestFrameExchange)
#include "tst_frameexchange.moc"
