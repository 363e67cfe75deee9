#include "frameexchange.h"

#include "portsettings.h"
#include "serialline.h"

FrameExchange::FrameExchange(SerialLine &line, const ExchangeLimits &limits, QObject *parent)
    : QObject(parent)
    , serialLine(line)
    , exchangeLimits(limits)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &FrameExchange::timeOut);
    connect(&line, &QIODevice::readyRead, this, [this] {
        const QByteArray bytes = serialLine.readAll();
        if (bytes.isEmpty())
            return;
        emit received(bytes);
        receive(bytes);
    });
}

void FrameExchange::applySettings(const SerialSettings &lineSettings)
{
    settings = lineSettings;
    serialLine.applySettings(portSettingsOf(lineSettings));
}

void FrameExchange::send(const QByteArray &frame, int answerLength, AnswerHandler done)
{
    start(frame, answerLength, exchangeLimits.timeoutMs, exchangeLimits.lateWait(),
          exchangeLimits.retries, std::move(done));
}

void FrameExchange::probe(const QByteArray &frame, int answerLength, int waitMs, AnswerHandler done)
{
    start(frame, answerLength, waitMs, 0, 0, std::move(done));
}

void FrameExchange::cancel()
{
    timer.stop();
    framer.reset();
    handler = nullptr;
}

void FrameExchange::start(const QByteArray &sent, int length, int answerWaitMs, int lateMs,
                          int retries, AnswerHandler done)
{
    Q_ASSERT(!handler);
    frame = sent;
    answerLength = length;
    waitMs = answerWaitMs;
    lateWaitMs = lateMs;
    triesLeft = retries;
    handler = std::move(done);
    transmit();
}

// The time-out runs from the write on; bytes held from an earlier try are dropped.
void FrameExchange::transmit()
{
    late = false;
    framer.expect(answerLength);
    serialLine.write(frame);
    timer.start(waitMs);
}

void FrameExchange::receive(const QByteArray &bytes)
{
    if (!handler)
        return;
    if (const std::optional<QByteArray> answer = framer.feed(bytes)) {
        timer.stop();
        ++answered;
        if (late) {
            ++lateAnswered;
            emit answeredLate();
        }
        finish(answer);
    }
}

// What is held of a partial answer stays: it may complete in the late wait.
void FrameExchange::timeOut()
{
    if (late || lateWaitMs == 0) {
        giveUpOrResend();
        return;
    }
    late = true;
    timer.start(lateWaitMs);
}

void FrameExchange::giveUpOrResend()
{
    if (triesLeft == 0) {
        framer.reset();
        finish(std::nullopt);
        return;
    }
    --triesLeft;
    ++resent;
    emit resending();
    transmit();
}

// The handler may send the next frame at once.
void FrameExchange::finish(const std::optional<QByteArray> &answer)
{
    const AnswerHandler done = std::move(handler);
    handler = nullptr;
    done(answer);
}
