#pragma once

#include "answerframer.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <optional>

// How the answer to a frame is found in the bytes that arrive, and in which
// pieces those bytes are shown.
class AnswerFraming : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Awaits an answer of this length from now on; 0 awaits nothing.
    virtual void expect(int answerLength) = 0;
    virtual int awaitedLength() const = 0;
    // Takes bytes as they arrive and gives the answer once it is complete;
    // then nothing more is awaited.
    virtual std::optional<QByteArray> take(const QByteArray &bytes) = 0;
    // Drops what is held, shown or not, and awaits nothing.
    virtual void reset() = 0;

signals:
    // Received bytes in order, in the pieces in which they are to be shown.
    void shown(const QByteArray &bytes);
};

// rs485ctl's rule: noise before the start bytes is skipped and an answer may
// arrive in any pieces (answerframer.h); bytes are shown as they arrive.
class AnswerSearch : public AnswerFraming
{
    Q_OBJECT

public:
    using AnswerFraming::AnswerFraming;

    void expect(int answerLength) override { framer.expect(answerLength); }
    int awaitedLength() const override { return framer.awaitedLength(); }
    std::optional<QByteArray> take(const QByteArray &bytes) override;
    void reset() override { framer.reset(); }

private:
    AnswerFramer framer;
};

// The window's rule. Bytes are held as they arrive; when exactly the awaited
// number is held, they are shown and judged as one block, the answer when it
// begins 0C 55 and ends 0D, and nothing more is awaited either way. Anything
// else is shown once the line has been quiet for QuietGapMs; bytes that can no
// longer complete an answer at the latest BacklogMs later, and at once when a
// display chunk of them is held, so that a line that never falls quiet is
// shown too, in bounded steps.
class AnswerBlock : public AnswerFraming
{
    Q_OBJECT

public:
    static constexpr int QuietGapMs = 50;
    static constexpr int BacklogMs = 50;

    explicit AnswerBlock(int displayChunk, QObject *parent = nullptr);

    void expect(int answerLength) override { expect_len = answerLength; }
    int awaitedLength() const override { return expect_len; }
    std::optional<QByteArray> take(const QByteArray &bytes) override;
    void reset() override;

private:
    std::optional<QByteArray> checkReceiveData(const QByteArray &block);
    void showHeld();

    const int displayChunk;
    int expect_len = 0;
    QByteArray held;
    QTimer quietTimer;
    QTimer backlogTimer;
};
