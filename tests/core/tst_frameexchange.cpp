#include "frameexchange.h"
#include "gatewaytask.h"
#include "linesession.h"
#include "localserialline.h"
#include "modechange.h"
#include "pseudoterminal.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QByteArray frameA = QByteArray::fromHex("550C0C01776F726B6D6F64650103D70D");
const QByteArray frameB = QByteArray::fromHex("550C0C01776F726B6D6F64650203D80D");
const QByteArray answer = QByteArray::fromHex("0C5500000000000D");
using Answers = QList<std::optional<QByteArray>>;
} // namespace

// The engine's paths that no gateway takes on its own: a late answer, a frame
// sent again, cancel, a handler that sends the next frame, and the window's
// session ending a task for the next. The test writes the gateway's side of
// a pseudo-terminal when the engine has come to the point under test.
class TestFrameExchange : public QObject
{
    Q_OBJECT

    std::unique_ptr<PseudoTerminal> pty;
    std::unique_ptr<LocalSerialLine> line;

    std::unique_ptr<FrameExchange> exchange(const ExchangeLimits &limits)
    {
        line = std::make_unique<LocalSerialLine>(pty->slavePath());
        line->openLine();
        return std::make_unique<FrameExchange>(*line, limits);
    }

    QByteArray gatewayReads(int bytes) { return pty->read(bytes, 5000); }

private slots:
    void init() { pty = std::make_unique<PseudoTerminal>(); }
    void cleanup() { line.reset(), pty.reset(); }

    // Past its time-out the frame waits for a late answer, which is its own;
    // only then is it sent again, and the answer to the copy is taken.
    void lateAnswerAndResend()
    {
        const auto engine = exchange({100, 1, 60000});
        Answers answers;
        engine->send(frameA, answer.size(), [&](const auto &taken) { answers << taken; });
        QSignalSpy overdue(engine.get(), &FrameExchange::overdue);
        QVERIFY(overdue.wait(5000));
        QCOMPARE(gatewayReads(frameA.size()), frameA);
        QVERIFY(pty->write(answer));
        QTRY_COMPARE(answers, Answers{answer});
        QCOMPARE(engine->lateAnswers(), 1);

        const auto resending = exchange({100, 1, 100});
        answers.clear();
        resending->send(frameA, answer.size(), [&](const auto &taken) { answers << taken; });
        QSignalSpy again(resending.get(), &FrameExchange::resending);
        QVERIFY(again.wait(5000));
        QCOMPARE(gatewayReads(2 * frameA.size()), frameA + frameA);
        QVERIFY(pty->write(answer));
        QTRY_COMPARE(answers, Answers{answer});
        QCOMPARE(resending->resends(), 1);
        QCOMPARE(resending->lateAnswers(), 0);
    }

    // Cancelled, a frame's handler is never called: its answer arriving
    // later is only received. A handler may send the next frame at once.
    void cancelAndSendFromTheHandler()
    {
        const auto engine = exchange({5000, 0, 0});
        Answers answers;
        engine->send(frameA, answer.size(), [&](const auto &) { answers << QByteArray("A"); });
        engine->cancel();
        QCOMPARE(gatewayReads(frameA.size()), frameA);
        QSignalSpy received(engine.get(), &FrameExchange::received);
        QVERIFY(pty->write(answer));
        QVERIFY(received.wait(5000));
        QVERIFY(answers.isEmpty() && !engine->isAwaiting());

        engine->send(frameA, answer.size(), [&](const auto &first) {
            answers << first;
            engine->send(frameB, answer.size(), [&](const auto &second) { answers << second; });
        });
        QCOMPARE(gatewayReads(frameA.size()), frameA);
        QVERIFY(pty->write(answer));
        QCOMPARE(gatewayReads(frameB.size()), frameB);
        QVERIFY(pty->write(answer));
        QTRY_COMPARE(answers, Answers({answer, answer}));
        QCOMPARE(engine->framesAnswered(), 2);
    }

    // The window's session: a new task ends the one outstanding, and the
    // answer that follows is the new task's; Close ends the next one. A task
    // ended is gone once the events have run.
    void sessionEndsTheTaskOutstanding()
    {
        LineSession session({5000, 0, 0}, 1024);
        QSignalSpy ended(&session, &LineSession::taskEnded);
        QSignalSpy finished(&session, &LineSession::taskFinished);
        session.open(pty->slavePath());
        QVERIFY(session.isOpen());
        auto *debug = session.prepare<ModeChange>(DebugMode);
        session.run(debug);
        QCOMPARE(gatewayReads(frameA.size()), frameA);
        auto *working = session.prepare<ModeChange>(WorkingMode);
        session.run(working);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.at(0).at(0).value<GatewayTask *>(), debug);
        QCOMPARE(ended.at(0).at(1).value<LineSession::EndReason>(),
                 LineSession::EndReason::NewTask);
        QCOMPARE(gatewayReads(frameB.size()), frameB);
        QVERIFY(pty->write(answer));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).value<GatewayTask *>(), working);
        QVERIFY(working->succeeded());

        session.run(session.prepare<ModeChange>(DebugMode));
        session.close();
        QCOMPARE(ended.size(), 2);
        QCOMPARE(ended.at(1).at(1).value<LineSession::EndReason>(), LineSession::EndReason::Closed);
        QVERIFY(!session.task() && !session.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestFrameExchange)
#include "tst_frameexchange.moc"
