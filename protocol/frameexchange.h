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
};

// Stop and wait over a serial line: sends a frame, awaits its answer, sends
// it again when none comes in time, and hands over the answer, or nothing
// after the last try. One frame at a time; what arrives while no answer is
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
    int resends() const { return resent; }

signals:
    // The frame in flight went unanswered and is sent again.
    void resending();
    // Bytes as they arrived on the line.
    void received(const QByteArray &bytes);

private:
    void start(const QByteArray &frame, int answerLength, int waitMs, int retries,
               AnswerHandler done);
    void transmit();
    void receive(const QByteArray &bytes);
    void timeOut();
    void finish(const std::optional<QByteArray> &answer);

    SerialLine &serialLine;
    const ExchangeLimits exchangeLimits;
    SerialSettings settings;
    AnswerFramer framer;
    QTimer timer;
    QByteArray frame;
    int answerLength = 0;
    int triesLeft = 0;
    AnswerHandler handler;
    int answered = 0;
    int resent = 0;
};
