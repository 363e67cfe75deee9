#pragma once

#include "answerframer.h"
#include "frame.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class SerialLine;

// How long a frame waits for its answer, and how often an unanswered frame is
// sent again.
struct ExchangeLimits
{
    int timeoutMs = 3000;
    int retries = 2;
    // After a time-out, how long a late answer is still taken before the
    // frame is sent again or given up; below 0 for as long as the time-out.
    int lateWaitMs = -1;

    int lateWait() const { return lateWaitMs < 0 ? timeoutMs : lateWaitMs; }
};

// Stop and wait over a serial line: sends a frame, awaits its answer, and
// hands over the answer, or nothing after the last try. A frame unanswered in
// time is not sent again at once: an answer that completes within the late
// wait is the late answer of the copy sent, so that no answer is ever taken
// for a later frame. One frame at a time; what arrives while no answer is
// awaited is dropped. The one reader of the line: received() passes on
// whatever arrives.
class FrameExchange : public QObject
{
    Q_OBJECT

public:
    using AnswerHandler = std::function<void(const std::optional<QByteArray> &answer)>;

    FrameExchange(SerialLine &line, const ExchangeLimits &limits, QObject *parent = nullptr);

    SerialLine &line() const { return serialLine; }
    const ExchangeLimits &limits() const { return exchangeLimits; }

    // Puts the settings on the line; its settingsApplied() follows.
    void applySettings(const SerialSettings &settings);
    // The settings last applied.
    SerialSettings lineSettings() const { return settings; }

    // Within the limits.
    void send(const QByteArray &frame, int answerLength, AnswerHandler done);
    // Once, waiting waitMs, as a scan probes.
    void probe(const QByteArray &frame, int answerLength, int waitMs, AnswerHandler done);
    // Forgets the frame in flight; its handler is not called.
    void cancel();

    int framesAnswered() const { return answered; }
    // Frames answered within the late wait, after their time-out.
    int lateAnswers() const { return lateAnswered; }
    int resends() const { return resent; }

signals:
    // The frame in flight went unanswered and is sent again.
    void resending();
    // The frame in flight was answered after its time-out.
    void answeredLate();
    // Bytes as they arrived on the line.
    void received(const QByteArray &bytes);

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
    SerialSettings settings;
    AnswerFramer framer;
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
