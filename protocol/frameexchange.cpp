#include "frameexchange.h"

#include "portsettings.h"
#include "receivedtext.h"
#include "serialline.h"

namespace {
std::unique_ptr<AnswerFraming> framingOf(AnswerRule rule)
{
    if (rule == AnswerRule::Block)
        return std::make_unique<AnswerBlock>(ReceivedText::DisplayChunk);
    return std::make_unique<AnswerSearch>();
}
} // namespace

FrameExchange::FrameExchange(SerialLine &line, const ExchangeLimits &limits, AnswerRule rule,
                             QObject *parent)
    : QObject(parent)
    , serialLine(line)
    , exchangeLimits(limits)
    , framing(framingOf(rule))
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &FrameExchange::timeOut);
    connect(framing.get(), &AnswerFraming::shown, this, &FrameExchange::shown);
    connect(&line, &QIODevice::readyRead, this, [this] {
        const QByteArray bytes = serialLine.readAll();
        if (bytes.isEmpty())
            return;
        emit received(bytes);
        receive(bytes);
    });
}

FrameExchange::~FrameExchange() = default;

void FrameExchange::applySettings(const SerialSettings &lineSettings)
{
    settings = lineSettings;
    serialLine.applySettings(portSettingsOf(lineSettings));
}

void FrameExchange::send(const QByteArray &frame, int answerLength, AnswerHandler done)
{
    send(frame, answerLength, exchangeLimits, std::move(done));
}

void FrameExchange::send(const QByteArray &frame, int answerLength, const ExchangeLimits &limits,
                         AnswerHandler done)
{
    start(frame, answerLength, limits.timeoutMs, limits.lateWait(), limits.retries,
          std::move(done));
}

void FrameExchange::probe(const QByteArray &frame, int answerLength, int waitMs, AnswerHandler done)
{
    start(frame, answerLength, waitMs, 0, 0, std::move(done));
}

void FrameExchange::sendRaw(const QByteArray &bytes)
{
    serialLine.write(bytes);
    emit sent(bytes);
}

void FrameExchange::cancel()
{
    timer.stop();
    framing->expect(0);
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

// The time-out runs from the write on. The answer length is in place before
// a byte of the answer can arrive.
void FrameExchange::transmit()
{
    late = false;
    framing->expect(answerLength);
    sendRaw(frame);
    timer.start(waitMs);
}

void FrameExchange::receive(const QByteArray &bytes)
{
    const std::optional<QByteArray> answer = framing->take(bytes);
    if (!answer || !handler)
        return;
    timer.stop();
    ++answered;
    if (late) {
        ++lateAnswered;
        emit answeredLate();
    }
    finish(answer);
}

// What is held of a partial answer stays: it may complete in the late wait.
void FrameExchange::timeOut()
{
    if (late || lateWaitMs == 0) {
        giveUpOrResend();
        return;
    }
    late = true;
    if (lateWaitMs != ExchangeLimits::Unbounded)
        timer.start(lateWaitMs);
    emit overdue();
}

void FrameExchange::giveUpOrResend()
{
    if (triesLeft == 0) {
        framing->expect(0);
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
