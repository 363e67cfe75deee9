#pragma once

#include "answerframing.h"
#include "frame.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <limits>
#include <memory>
#include <optional>

class SerialLine;

// How long a frame waits for its answer, and how often an unanswered frame is
// sent again.
struct ExchangeLimits
{
    // A late wait that ends only with the answer or with cancel().
    static constexpr int Unbounded = std::numeric_limits<int>::max();

    int timeoutMs = 3000;
    int retries = 2;
    // After a time-out, how long a late answer is still taken before the
    // frame is sent again or given up; below 0 for as long as the time-out.
    int lateWaitMs = -1;

    int lateWait() const { return lateWaitMs < 0 ? timeoutMs : lateWaitMs; }
};

// How answers are found in what arrives (answerframing.h).
enum class AnswerRule {
    Search, // rs485ctl: noise skipped, answers in any pieces
    Block,  // the window: exactly the awaited number of bytes, or no answer
};

// Stop and wait over a serial line: sends a frame, awaits its answer, and
// hands over the answer, or nothing after the last try. A frame unanswered in
// time is not sent again at once: an answer that completes within the late
// wait is the late answer of the copy sent, so that no answer is ever taken
// for a later frame. One frame at a time; an answer that arrives while none
// is awaited, or after cancel(), is only shown. The one reader of the line.
class FrameExchange : public QObject
{
    Q_OBJECT

public:
    using AnswerHandler = std::function<void(const std::optional<QByteArray> &answer)>;

    FrameExchange(SerialLine &line, const ExchangeLimits &limits,
                  AnswerRule rule = AnswerRule::Search, QObject *parent = nullptr);
    ~FrameExchange() override;

    SerialLine &line() const { return serialLine; }
    const ExchangeLimits &limits() const { return exchangeLimits; }

    // Puts the settings on the line; its settingsApplied() follows.
    void applySettings(const SerialSettings &settings);
    // The settings last applied.
    SerialSettings lineSettings() const { return settings; }

    // Within the limits of the exchange, or the ones given.
    void send(const QByteArray &frame, int answerLength, AnswerHandler done);
    void send(const QByteArray &frame, int answerLength, const ExchangeLimits &limits,
              AnswerHandler done);
    // Once, waiting waitMs, as a scan probes.
    void probe(const QByteArray &frame, int answerLength, int waitMs, AnswerHandler done);
    // Puts the bytes on the line and awaits nothing; a frame in flight stays so.
    void sendRaw(const QByteArray &bytes);
    // Forgets the frame in flight; its handler is not called.
    void cancel();
    bool isAwaiting() const { return bool(handler); }

    int framesAnswered() const { return answered; }
    // Frames answered within the late wait, after their time-out.
    int lateAnswers() const { return lateAnswered; }
    int resends() const { return resent; }

signals:
    // Bytes as they were put on the line, a frame sent again included.
    void sent(const QByteArray &bytes);
    // Bytes as they arrived on the line.
    void received(const QByteArray &bytes);
    // Received bytes in the pieces the answer rule shows them in.
    void shown(const QByteArray &bytes);
    // The frame in flight is past its time-out and in its late wait.
    void overdue();
    // The frame in flight went unanswered and is sent again.
    void resending();
    // The frame in flight was answered after its time-out.
    void answeredLate();

private:
    void start(const QByteArray &frame, int answerLength, int waitMs, int lateWaitMs, int retries,
               AnswerHandler done);
    void transmit();
    void receive(const QByteArray &bytes);
    void timeOut();
    void giveUpOrResend();
    void finish(const std::optional<QByteArray> &answer);

    SerialLine &serialLine;
    const ExchangeLimits exchangeLimits;
    const std::unique_ptr<AnswerFraming> framing;
    SerialSettings settings;
    QTimer timer;
    QByteArray frame;
    int answerLength = 0;
    int triesLeft = 0;
    bool late = false; // past the time-out, in the late wait
    int waitMs = 0;
    int lateWaitMs = 0;
    AnswerHandler handler;
    int answered = 0;
    int lateAnswered = 0;
    int resent = 0;
};
