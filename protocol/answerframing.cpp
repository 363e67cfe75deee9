#include "answerframing.h"

#include "frame.h"

#include <utility>

std::optional<QByteArray> AnswerSearch::take(const QByteArray &bytes)
{
    emit shown(bytes);
    return framer.feed(bytes);
}

AnswerBlock::AnswerBlock(int displayChunk, QObject *parent)
    : AnswerFraming(parent)
    , displayChunk(displayChunk)
{
    for (QTimer *timer : {&quietTimer, &backlogTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, &AnswerBlock::showHeld);
    }
    quietTimer.setInterval(QuietGapMs);
    backlogTimer.setInterval(BacklogMs);
}

std::optional<QByteArray> AnswerBlock::take(const QByteArray &bytes)
{
    held += bytes;
    if (held.size() == expect_len) {
        quietTimer.stop();
        backlogTimer.stop();
        const QByteArray block = std::exchange(held, QByteArray());
        emit shown(block);
        return checkReceiveData(block);
    }
    quietTimer.start();
    if (expect_len != 0 && held.size() <= expect_len)
        return std::nullopt;
    if (held.size() >= displayChunk)
        showHeld();
    else if (!backlogTimer.isActive())
        backlogTimer.start();
    return std::nullopt;
}

// A block of exactly the awaited length ends the wait, whatever it holds.
std::optional<QByteArray> AnswerBlock::checkReceiveData(const QByteArray &block)
{
    expect_len = 0;
    if (!isAnswerFrame(block))
        return std::nullopt;
    return block;
}

void AnswerBlock::showHeld()
{
    quietTimer.stop();
    backlogTimer.stop();
    if (!held.isEmpty())
        emit shown(std::exchange(held, QByteArray()));
}

void AnswerBlock::reset()
{
    quietTimer.stop();
    backlogTimer.stop();
    held.clear();
    expect_len = 0;
}
