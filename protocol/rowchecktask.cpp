#include "rowchecktask.h"

#include "frame.h"
#include "gatewaysources.h"
#include "knxaddresses.h"
#include "knxconnection.h"

#include <QCoreApplication>

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

uint numberOf(const GroupTelegram &telegram)
{
    uint number = 0;
    for (const char byte : telegram.data)
        number = number << 8 | quint8(byte);
    return telegram.shortData ? number & 0x3F : number;
}

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

bool sameValue(const GroupTelegram &a, const GroupTelegram &b)
{
    return a.shortData == b.shortData && a.data == b.data;
}
} // namespace

template <typename Next> void RowCheckTask::setLineThen(const PortSettings &settings, Next next)
{
    line().applySettings(settings);
    if (line().isApplyingSettings())
        connect(&line(), &SerialLine::settingsApplied, this, next, Qt::SingleShotConnection);
    else
        next();
}

RowCheckTask::RowCheckTask(FrameExchange &exchange, KnxConnection &bus,
                           const QList<RowCheckPlan> &checks, const RowCheckLimits &limits)
    : GatewayTask(exchange)
    , bus(bus)
    , checks(checks)
    , limits(limits)
{
    quietTimer.setSingleShot(true);
    quietCap.setSingleShot(true);
    checkTimer.setSingleShot(true);
    connect(&quietTimer, &QTimer::timeout, this, &RowCheckTask::beginRow);
    connect(&quietCap, &QTimer::timeout, this, &RowCheckTask::beginRow);
    connect(&checkTimer, &QTimer::timeout, this, &RowCheckTask::stepEnded);
}

RowCheckTask::~RowCheckTask()
{
    if (sources && learning)
        sources->endLearning(this);
}

int RowCheckTask::failed() const
{
    return outcomeCount(checkResults, RowCheckResult::Outcome::Failed);
}

QString RowCheckTask::awaited() const
{
    return done() < total() ? tableRowText(checks.at(done()).where) : name();
}

void RowCheckTask::shareSources(GatewaySources *shared)
{
    sources = shared;
}

void RowCheckTask::start()
{
    if (bus.state() != KnxConnection::State::Connected) {
        fail(QStringLiteral("no KNX connection"));
        return;
    }
    connect(&bus, &KnxConnection::telegramReceived, this, &RowCheckTask::busTelegram);
    connect(&bus, &KnxConnection::failed, this, &RowCheckTask::busLost);
    connect(&exchange, &FrameExchange::received, this, &RowCheckTask::lineBytes);
    send(buildFrame(CMD_SET_OPERATING_MODE, operatingModePayload(WorkingMode)), CommandAnswerLength,
         [this](const std::optional<QByteArray> &answer) {
             if (answer)
                 nextRow();
             else
                 failUnanswered(QStringLiteral(
                     "the gateway must be connected and listen at the line's settings"));
         });
}

void RowCheckTask::stop()
{
    GatewayTask::stop();
    phase = Phase::Idle;
    quietTimer.stop();
    quietCap.stop();
    checkTimer.stop();
    disconnect(&bus, nullptr, this, nullptr);
    disconnect(&exchange, nullptr, this, nullptr);
    if (sources)
        disconnect(sources, nullptr, this, nullptr); // no waiting for learnable()
    if (sources && learning)
        sources->endLearning(this);
    learning = false;
    if (lineBefore)
        line().applySettings(*std::exchange(lineBefore, std::nullopt));
}

void RowCheckTask::nextRow()
{
    while (done() < total()) {
        const RowCheckPlan &check = checks.at(done());
        if (check.kind == RowCheckPlan::Kind::Skipped) {
            record(RowCheckResult::Outcome::Skipped, check.skipReason);
            continue;
        }
        int &silent = check.kind == RowCheckPlan::Kind::BusToLine ? silentLine : silentBus;
        if (silent >= limits.silentRows) {
            const QString nothing = check.kind == RowCheckPlan::Kind::BusToLine
                                        ? Text::tr("nothing on the line")
                                        : Text::tr("nothing on KNX");
            record(RowCheckResult::Outcome::Failed,
                   Text::tr("%1 (the gateway did not react to the %2 rows before)")
                       .arg(nothing)
                       .arg(limits.silentRows));
            continue;
        }
        emit progressed();
        waitForQuiet();
        return;
    }
    succeed(QStringLiteral("%1 passed, %2 failed, %3 skipped")
                .arg(outcomeCount(checkResults, RowCheckResult::Outcome::Passed))
                .arg(failed())
                .arg(outcomeCount(checkResults, RowCheckResult::Outcome::Skipped)));
}

void RowCheckTask::waitForQuiet()
{
    phase = Phase::Quiet;
    quietTimer.start(limits.quietMs);
    quietCap.start(limits.mostQuietWaitMs);
}

void RowCheckTask::beginRow()
{
    if (phase != Phase::Quiet)
        return;
    quietTimer.stop();
    quietCap.stop();
    phase = Phase::Idle;
    const RowCheckPlan &check = checks.at(done());
    if (check.kind != RowCheckPlan::Kind::BusToLine && sources && !gatewaySource && !learning) {
        if (!sources->beginLearning(this)) {
            connect(
                sources, &GatewaySources::learnable, this,
                [this] {
                    phase = Phase::Quiet;
                    beginRow();
                },
                Qt::SingleShotConnection);
            return;
        }
        learning = true;
    }
    minusStep = false;
    plusValue.reset();
    reacted = false;
    reactionMs = 0;
    const PortSettings settings = line().settings();
    if (check.kind == RowCheckPlan::Kind::BusToLine && check.baudRate != settings.baudRate) {
        lineBefore = settings;
        PortSettings rowSettings = settings;
        rowSettings.baudRate = check.baudRate;
        setLineThen(rowSettings, [this] { stimulate(false); });
        return;
    }
    stimulate(false);
}

void RowCheckTask::stimulate(bool minus)
{
    const RowCheckPlan &check = checks.at(done());
    minusStep = minus;
    seen.clear();
    received.clear();
    phase = Phase::Observing;
    sinceStimulus.start();
    checkTimer.start(limits.checkMs);
    if (check.kind == RowCheckPlan::Kind::BusToLine) {
        if (!bus.send(check.group))
            endRow(RowCheckResult::Outcome::Failed, Text::tr("the KNX connection cannot send"));
        return;
    }
    exchange.sendRaw(minus ? check.telegramMinus : check.telegram);
}

void RowCheckTask::busTelegram(const GroupTelegram &telegram)
{
    if (phase == Phase::Idle || !isGatewaysTelegram(telegram))
        return;
    if (phase == Phase::Quiet) {
        quietTimer.start(limits.quietMs);
        return;
    }
    seen << telegram;
    reacted = reacted || checks.at(done()).kind != RowCheckPlan::Kind::BusToLine;
    evaluate();
}

void RowCheckTask::lineBytes(const QByteArray &bytes)
{
    if (phase == Phase::Quiet)
        quietTimer.start(limits.quietMs);
    if (phase != Phase::Observing)
        return;
    received += bytes;
    reacted = reacted || checks.at(done()).kind == RowCheckPlan::Kind::BusToLine;
    evaluate();
}

bool RowCheckTask::isGatewaysTelegram(const GroupTelegram &telegram) const
{
    if (gatewaySource)
        return telegram.source == *gatewaySource;
    return !sources || !sources->isOthers(this, telegram.source);
}

// Ends the step as soon as everything awaited has come.
void RowCheckTask::evaluate()
{
    const RowCheckPlan &check = checks.at(done());
    const QByteArray &awaited = check.kind == RowCheckPlan::Kind::BusToLine ? check.lineTelegram
                                : minusStep                                 ? check.ackMinus
                                                                            : check.ack;
    const bool lineDone = awaited.isEmpty() || received.contains(awaited);
    const bool busDone = check.kind == RowCheckPlan::Kind::BusToLine || busWords().isEmpty();
    if (lineDone && busDone) {
        reactionMs += int(sinceStimulus.elapsed());
        checkTimer.stop();
        stepEnded();
    }
}

void RowCheckTask::stepEnded()
{
    if (phase != Phase::Observing)
        return;
    phase = Phase::Idle;
    checkTimer.stop();
    const RowCheckPlan &check = checks.at(done());
    QStringList faults;
    if (check.kind == RowCheckPlan::Kind::BusToLine) {
        faults << lineWords(check.lineTelegram, false);
    } else {
        faults << busWords() << lineWords(minusStep ? check.ackMinus : check.ack, true);
    }
    faults.removeAll(QString());
    if (check.kind == RowCheckPlan::Kind::OneByte) {
        const QString step = minusStep ? QStringLiteral("(-)") : QStringLiteral("(+)");
        for (QString &fault : faults)
            fault = step + ' ' + fault;
        if (faults.isEmpty() && !minusStep) {
            plusValue = numberOf(seen.last());
            stimulate(true);
            return;
        }
    }
    learnSource();
    endRow(faults.isEmpty() ? RowCheckResult::Outcome::Passed : RowCheckResult::Outcome::Failed,
           faults.join(QStringLiteral("; ")));
}

// The gateway's address: the one source of what came on the bus for a row.
void RowCheckTask::learnSource()
{
    if (gatewaySource || seen.isEmpty() || checks.at(done()).kind == RowCheckPlan::Kind::BusToLine)
        return;
    const quint16 source = seen.first().source;
    for (const GroupTelegram &telegram : seen) {
        if (telegram.source != source)
            return;
    }
    gatewaySource = source;
    if (sources)
        sources->claim(this, source);
}

// What is wrong with what came on the bus for the step; empty when the
// awaited telegram came.
QString RowCheckTask::busWords() const
{
    const RowCheckPlan &check = checks.at(done());
    const GroupTelegram &awaited = check.group;
    const GroupTelegram *sameAddress = nullptr;
    const GroupTelegram *other = nullptr;
    for (const GroupTelegram &telegram : seen) {
        if (telegram.destination != awaited.destination) {
            other = other ? other : &telegram;
            continue;
        }
        sameAddress = &telegram;
        if (telegram.service != awaited.service)
            continue;
        if (check.kind == RowCheckPlan::Kind::OneByte) {
            if (!telegram.shortData && telegram.data.size() == 1 && !oneByteFault())
                return QString();
        } else if (awaited.service == GroupService::Read || sameValue(telegram, awaited)) {
            return QString();
        }
    }
    if (sameAddress && sameAddress->service != awaited.service)
        return Text::tr("KNX %1 instead of %2")
            .arg(groupServiceWord(sameAddress->service), groupServiceWord(awaited.service));
    if (sameAddress && check.kind == RowCheckPlan::Kind::OneByte)
        return oneByteFault().value_or(
            Text::tr("value %1 is not one byte").arg(hexOf(sameAddress->data)));
    if (sameAddress)
        return Text::tr("value %1 instead of %2")
            .arg(numberOf(*sameAddress))
            .arg(numberOf(awaited));
    if (other)
        return Text::tr("KNX %1 instead of %2")
            .arg(groupAddressText(other->destination), groupAddressText(awaited.destination));
    return Text::tr("nothing on KNX");
}

// Whether a 1-byte row's value lies in its range and, for the (-) telegram,
// below the (+) value or at the same bound.
std::optional<QString> RowCheckTask::oneByteFault() const
{
    const RowCheckPlan &check = checks.at(done());
    for (auto it = seen.crbegin(); it != seen.crend(); ++it) {
        if (it->destination != check.group.destination || it->shortData || it->data.size() != 1)
            continue;
        const uint value = numberOf(*it);
        if (value < check.minimum || value > check.maximum)
            return Text::tr("value %1 outside %2 to %3")
                .arg(value)
                .arg(check.minimum)
                .arg(check.maximum);
        const bool atBound = value == check.minimum || value == check.maximum;
        if (minusStep && plusValue && value >= *plusValue && !(atBound && value == *plusValue))
            return Text::tr("value %1 not below the (+) value %2").arg(value).arg(*plusValue);
        return std::nullopt;
    }
    return Text::tr("nothing on KNX");
}

QString RowCheckTask::lineWords(const QByteArray &awaited, bool acknowledgement) const
{
    if (awaited.isEmpty() || received.contains(awaited))
        return QString();
    if (received.isEmpty())
        return acknowledgement ? Text::tr("no acknowledgement") : Text::tr("nothing on the line");
    return Text::tr("other bytes on the line: %1").arg(hexOf(received));
}

void RowCheckTask::record(RowCheckResult::Outcome outcome, const QString &words)
{
    const RowCheckPlan &check = checks.at(done());
    int &silent = check.kind == RowCheckPlan::Kind::BusToLine ? silentLine : silentBus;
    if (check.kind != RowCheckPlan::Kind::Skipped)
        silent = reacted ? 0 : silent + 1;
    const RowCheckResult result{check.where,   outcome,   words, QDateTime::currentDateTime(),
                                check.rowText, reactionMs};
    checkResults << result;
    emit rowChecked(result);
}

// Records the row checked, sets the line back if the row changed it, then
// goes on with the next row.
void RowCheckTask::endRow(RowCheckResult::Outcome outcome, const QString &words)
{
    phase = Phase::Idle;
    checkTimer.stop();
    if (sources && learning) {
        sources->endLearning(this);
        learning = false;
    }
    record(outcome, words);
    const auto next = [this] { QTimer::singleShot(0, this, &RowCheckTask::nextRow); };
    if (lineBefore)
        setLineThen(*std::exchange(lineBefore, std::nullopt), next);
    else
        next();
}

void RowCheckTask::busLost(const QString &reason)
{
    RowCheckTask::stop();
    lostKnx = true;
    fail(QStringLiteral("the KNX connection was lost: %1").arg(reason));
}
