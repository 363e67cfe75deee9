#include "gatewayemulator.h"

#include "downloadframes.h"
#include "knxdlink.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTime>

#include <cstdio>
#include <utility>

namespace {
// Bytes held back as the start of a frame are given up after this much quiet.
constexpr int BurstEndMs = 100;

quint8 commandOf(const QByteArray &frame)
{
    return quint8(frame.at(3));
}
} // namespace

GatewayEmulator::GatewayEmulator(const SerialSettings &settings, QObject *parent)
    : QObject(parent)
{
    Q_ASSERT(isValidSerialSettings(settings));
    state.serial = settings;
    burstTimer.setSingleShot(true);
    burstTimer.setInterval(BurstEndMs);
    connect(&burstTimer, &QTimer::timeout, this, &GatewayEmulator::endBurst);
    pieceTimer.setSingleShot(true);
    pieceTimer.setTimerType(Qt::PreciseTimer);
    connect(&pieceTimer, &QTimer::timeout, this, &GatewayEmulator::sendPieces);

    if (!pty.isOpen()) {
        error = pty.errorString();
        return;
    }
    readNotifier = new QSocketNotifier(pty.masterDescriptor(), QSocketNotifier::Read, this);
    connect(readNotifier, &QSocketNotifier::activated, this, &GatewayEmulator::readFromTool);
}

GatewayEmulator::~GatewayEmulator()
{
    unpublish();
}

bool GatewayEmulator::publish(const QString &path)
{
    if (!isOpen()) {
        error = QStringLiteral("the pseudo-terminal is closed");
        return false;
    }
    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        QFile::remove(path);
    } else if (existing.exists()) {
        error = QStringLiteral("%1 exists and is not a symbolic link").arg(path);
        return false;
    }
    QFile device(portPath());
    if (!device.link(path)) {
        error = QStringLiteral("cannot create %1: %2").arg(path, device.errorString());
        return false;
    }
    unpublish();
    linkPath = path;
    return true;
}

void GatewayEmulator::unpublish()
{
    if (linkPath.isEmpty())
        return;
    const QFileInfo link(linkPath);
    if (link.isSymLink() && link.symLinkTarget() == portPath())
        QFile::remove(linkPath);
    linkPath.clear();
}

void GatewayEmulator::goAway()
{
    log(QStringLiteral("going away"));
    burstTimer.stop();
    pieceTimer.stop();
    outgoing.clear();
    headPieceWaited = false;
    parser.clear();
    lineBurst.clear();
    lineBurstBytes = 0;
    delete readNotifier;
    readNotifier = nullptr;
    unpublish();
    pty.close();
}

void GatewayEmulator::setLog(QTextStream *stream)
{
    logStream = stream;
}

void GatewayEmulator::setFaults(const GatewayFaults &faults)
{
    faultSettings = faults;
    log(QStringLiteral("faults: %1").arg(describeFaults(faults)));
}

void GatewayEmulator::setSerialSettings(const SerialSettings &settings)
{
    Q_ASSERT(isValidSerialSettings(settings));
    state.serial = settings;
    log(QStringLiteral("settings now %1").arg(describeSerialSettings(settings)));
}

void GatewayEmulator::setRequireDebugMode(bool require)
{
    state.requireDebugMode = require;
    log(require ? QStringLiteral("downloads in debug mode only")
                : QStringLiteral("downloads in either mode"));
}

void GatewayEmulator::connectKnx(const QString &url)
{
    delete knx;
    knx = new KnxdLink(url, this);
    connect(knx, &KnxdLink::message, this, &GatewayEmulator::log);
    connect(knx, &KnxdLink::received, this, &GatewayEmulator::actOnGroupTelegram);
    connect(knx, &KnxdLink::connectedChanged, this, &GatewayEmulator::knxConnectedChanged);
}

bool GatewayEmulator::knxConnected() const
{
    return knx && knx->isConnected();
}

void GatewayEmulator::setRowFaults(const RowFaults &faults)
{
    rules.setFaults(faults);
    log(QStringLiteral("row faults: %1").arg(describeRowFaults(faults)));
}

void GatewayEmulator::readFromTool()
{
    const QByteArray bytes = pty.readAvailable();
    if (bytes.isEmpty())
        return;
    receivedBytes += bytes.size();
    const LineSettings line = pty.lineSettings();
    if (!lineMatches(line, state.serial)) {
        parser.clear();
        lineBurst.clear();
        lineBurstBytes = 0;
        burstTimer.stop();
        log(QStringLiteral("ignored %1 bytes at %2 (own %3)")
                .arg(bytes.size())
                .arg(describeLineSettings(line), describeComparedSettings(state.serial)));
        emit framesIgnored(int(bytes.size()), line.baudRate, line.twoStopBits);
        return;
    }
    takeFrames(parser.feed(bytes));
    if (parser.pendingSize() > 0 || !lineBurst.isEmpty())
        burstTimer.start();
    else
        burstTimer.stop();
}

void GatewayEmulator::endBurst()
{
    takeFrames(parser.flush());
    const QByteArray telegram = std::exchange(lineBurst, {});
    const qint64 size = std::exchange(lineBurstBytes, 0);
    if (size > TelegramSlots)
        log(QStringLiteral("skipped %1 bytes, longer than any telegram: %2 ...")
                .arg(size)
                .arg(hexText(telegram.left(TelegramSlots))));
    else if (state.mode == WorkingMode && size > 0)
        actOnLineTelegram(telegram);
    else if (size > 0)
        log(QStringLiteral("skipped %1 bytes: %2").arg(size).arg(hexText(telegram)));
}

void GatewayEmulator::takeFrames(const QList<QByteArray> &frames)
{
    const QByteArray skipped = parser.takeSkipped();
    if (state.mode == WorkingMode) {
        // A burst longer than any telegram matches none: only its size is kept beyond that.
        lineBurst += skipped.left(TelegramSlots + 1 - lineBurst.size());
        lineBurstBytes += skipped.size();
    } else if (!skipped.isEmpty())
        log(QStringLiteral("skipped %1 bytes: %2").arg(skipped.size()).arg(hexText(skipped)));
    for (const QByteArray &frame : frames)
        handleFrame(frame);
}

void GatewayEmulator::handleFrame(const QByteArray &frame)
{
    const int number = ++frameCount;
    const quint8 command = commandOf(frame);
    ++framesPerCommand[command];
    const FrameReading reading = readFrame(frame, state);
    log(QStringLiteral("rx #%1 %2: %3").arg(number).arg(reading.name, hexText(frame)));
    emit frameReceived(command, frame);

    if (!reading.refusal.isEmpty()) {
        withhold(number, command, QStringLiteral("refused, %1").arg(reading.refusal));
        return;
    }
    if (faultSettings.silent || faultSettings.drops(number)) {
        commit(frame, reading);
        withhold(number, command,
                 faultSettings.silent ? QStringLiteral("silent") : QStringLiteral("dropped"));
        return;
    }
    sendAnswer(number, frame, reading);
}

void GatewayEmulator::withhold(int number, quint8 command, const QString &reason)
{
    log(QStringLiteral("no answer to #%1: %2").arg(number).arg(reason));
    emit answerWithheld(command, reason);
}

void GatewayEmulator::commit(const QByteArray &frame, const FrameReading &reading)
{
    if (commandOf(frame) == CMD_TABLE_SIZES)
        rules.resetSteps();
    for (const QString &change : applyFrame(frame, reading, &state))
        log(change);
}

// The answer goes out after the configured delay, in one or two pieces; the
// frame takes effect once the last piece is written, so that an answer to new
// serial parameters still goes out at the old ones.
void GatewayEmulator::sendAnswer(int number, const QByteArray &frame, const FrameReading &reading)
{
    const quint8 command = commandOf(frame);
    const QByteArray bytes = answerOnLine(reading.answer, faultSettings);
    const QList<QByteArray> pieces = answerPieces(bytes, faultSettings);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        OutgoingPiece piece;
        piece.waitMs = i == 0 ? faultSettings.delayMs : faultSettings.splitGapMs;
        piece.bytes = pieces.at(i);
        piece.label = pieces.size() == 1 ? QStringLiteral("tx answer to #%1").arg(number)
                                         : QStringLiteral("tx answer to #%1, piece %2 of %3")
                                               .arg(number)
                                               .arg(i + 1)
                                               .arg(pieces.size());
        if (i == pieces.size() - 1) {
            piece.written = [this, frame, reading, command, bytes] {
                emit answerSent(command, bytes);
                commit(frame, reading);
            };
        }
        outgoing.append(piece);
    }
    sendPieces();
}

void GatewayEmulator::sendPieces()
{
    while (!outgoing.isEmpty() && !pieceTimer.isActive()) {
        if (outgoing.first().waitMs > 0 && !headPieceWaited) {
            headPieceWaited = true;
            pieceTimer.start(outgoing.first().waitMs);
            return;
        }
        const OutgoingPiece piece = outgoing.takeFirst();
        headPieceWaited = false;
        log(QStringLiteral("%1: %2").arg(piece.label, hexText(piece.bytes)));
        // A pty has no transmit queue: once written, the bytes wait on the
        // tool's side, so nothing is left to drain.
        if (!pty.write(piece.bytes))
            log(QStringLiteral("write failed"));
        if (piece.written)
            piece.written();
    }
}

void GatewayEmulator::actOnLineTelegram(const QByteArray &telegram)
{
    const QString head = QStringLiteral("rx telegram %1 -> ").arg(hexText(telegram));
    const QList<RowAction> actions = rules.lineTelegram(state.tables.tables(), telegram);
    if (actions.isEmpty())
        log(QStringLiteral("skipped %1 bytes: %2 (no row's telegram)")
                .arg(telegram.size())
                .arg(hexText(telegram)));
    for (const RowAction &action : actions) {
        const QString sent = sendToKnx(action);
        writeToLine(action.line);
        log(QStringLiteral("%1%2: %3, ack %4")
                .arg(head, action.row, sent,
                     action.line.isEmpty() ? QStringLiteral("(none)") : hexText(action.line)));
    }
    emit lineTelegramHandled(telegram, int(actions.size()));
}

QString GatewayEmulator::sendToKnx(const RowAction &action)
{
    if (!action.bus)
        return action.busText;
    if (!knx)
        return action.busText + QStringLiteral(" (no KNX side)");
    if (!knx->send(action.bus->group, action.bus->apdu))
        return action.busText + QStringLiteral(" (not sent: not connected to knxd)");
    return action.busText;
}

void GatewayEmulator::actOnGroupTelegram(const BusTelegram &telegram)
{
    const QString head = QStringLiteral("KNX %1 -> ").arg(describeBusTelegram(telegram));
    if (state.mode != WorkingMode) {
        log(head + QStringLiteral("ignored in debug mode"));
        emit groupTelegramHandled(telegram.group, 0);
        return;
    }
    const QList<RowAction> actions = rules.busTelegram(state.tables.tables(), telegram);
    if (actions.isEmpty())
        log(head + QStringLiteral("no row"));
    for (const RowAction &action : actions) {
        writeToLine(action.line);
        log(QStringLiteral("%1%2: tx telegram %3").arg(head, action.row, hexText(action.line)));
    }
    emit groupTelegramHandled(telegram.group, int(actions.size()));
}

void GatewayEmulator::writeToLine(const QByteArray &bytes)
{
    if (!bytes.isEmpty() && !pty.write(bytes))
        log(QStringLiteral("write failed"));
}

void GatewayEmulator::log(const QString &line)
{
    if (!logStream) {
        if (!standardError)
            standardError = std::make_unique<QTextStream>(stderr, QIODevice::WriteOnly);
        logStream = standardError.get();
    }
    *logStream << QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")) << ' ' << line
               << Qt::endl;
}
