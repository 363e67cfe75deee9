#pragma once

#include "checkresults.h"
#include "gatewaytask.h"
#include "rowcheckplan.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <optional>

class GatewaySources;
class KnxConnection;

struct RowCheckLimits
{
    int checkMs = 2000;         // for what one telegram must bring
    int quietMs = 200;          // without traffic before a row's check starts
    int mostQuietWaitMs = 2000; // a line or bus that stays busy: the check starts anyway
    int silentRows = 3;         // rows in a row without any reaction: the gateway is silent
};

// The commissioning check of rows, one after the other, over the line and a
// KNX connection: first the working-mode command (the gateway must answer),
// then for each row what it must send and what must come back
// (rowcheckplan.h). Telegrams of other devices are ignored once the gateway's
// own address is known (the one source of the telegrams of a row); after silentRows rows
// without any reaction on the bus (on the line) the rest of the rows that
// await the bus (the line) fail at once. A row's check at another baud
// rate sets the line back afterwards, also when stopped.
class RowCheckTask : public GatewayTask
{
    Q_OBJECT

public:
    RowCheckTask(FrameExchange &exchange, KnxConnection &bus, const QList<RowCheckPlan> &checks,
                 const RowCheckLimits &limits = {});
    ~RowCheckTask() override;

    QString name() const override { return QStringLiteral("check"); }
    void start() override;
    void stop() override;
    int done() const override { return int(checkResults.size()); }
    int total() const override { return int(checks.size()); }
    int failed() const override;
    QString awaited() const override;

    // Checks of several gateways on one connection share the sources.
    void shareSources(GatewaySources *sources);
    const QList<RowCheckResult> &results() const { return checkResults; }
    // The task failed because the KNX connection was lost.
    bool knxLost() const { return lostKnx; }

signals:
    void rowChecked(const RowCheckResult &result);

private:
    enum class Phase { Idle, Quiet, Observing };

    void nextRow();
    void waitForQuiet();
    void beginRow();
    void stimulate(bool minus);
    void evaluate();
    void stepEnded();
    void record(RowCheckResult::Outcome outcome, const QString &words);
    void endRow(RowCheckResult::Outcome outcome, const QString &words);
    void busTelegram(const GroupTelegram &telegram);
    void lineBytes(const QByteArray &bytes);
    void busLost(const QString &reason);
    bool isGatewaysTelegram(const GroupTelegram &telegram) const;
    void learnSource();
    QString busWords() const;
    QString lineWords(const QByteArray &awaited, bool acknowledgement) const;
    std::optional<QString> oneByteFault() const;
    template <typename Next> void setLineThen(const PortSettings &settings, Next next);

    KnxConnection &bus;
    const QList<RowCheckPlan> checks;
    const RowCheckLimits limits;
    QPointer<GatewaySources> sources;
    QList<RowCheckResult> checkResults;
    Phase phase = Phase::Idle;
    QTimer quietTimer;
    QTimer quietCap;
    QTimer checkTimer;
    QElapsedTimer sinceStimulus;
    int reactionMs = 0;

    // The row under way and what came since its last telegram.
    bool minusStep = false;
    std::optional<uint> plusValue;
    QList<GroupTelegram> seen;
    QByteArray received;
    bool reacted = false;                   // anything at all on the side the row awaits
    int silentBus = 0;                      // rows in a row without a telegram of the gateway's
    int silentLine = 0;                     // rows in a row without bytes on the line
    std::optional<PortSettings> lineBefore; // set back after a row at another baud rate
    std::optional<quint16> gatewaySource;
    bool learning = false;
    bool lostKnx = false;
};
