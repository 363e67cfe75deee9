#pragma once

#include "portnames.h"
#include "portsettings.h"

#include <QIODevice>

// A serial line: a local device, or a port of a serial device server reached
// over the network (portnames.h). Once open it is read and written as a
// sequential QIODevice that holds only data bytes; readyRead() tells of new
// ones. Writes are handed on at once, without waiting for the event loop.
//
// Opening may take a while: openLine() is followed by opened() or by
// openFailed(), within the call for a local device, on the event loop for a
// network line.
//
// Line settings are put into effect with applySettings(); settingsApplied()
// follows, never within the call, once for settings applied in a row, when the
// last of them are in effect. A local device takes them at once; an RFC 2217
// line once the server has acknowledged each (rfc2217line.h); raw TCP carries
// none. A setting the device cannot take is left as it was.
//
// A line that goes away while open (adapter pulled, connection closed) is
// closed and lost() follows once.
class SerialLine : public QIODevice
{
    Q_OBJECT

public:
    ~SerialLine() override;

    QString portName() const { return name; }
    virtual LineKind kind() const = 0;
    // Whether applySettings() reaches the far end of the line: not over raw TCP.
    bool carriesSettings() const { return kind() != LineKind::RawTcp; }

    virtual void openLine() = 0;
    bool isOpening() const { return opening; }

    void applySettings(const PortSettings &settings);
    // The settings last applied.
    PortSettings settings() const { return current; }
    // True from applySettings() until the settings are in effect.
    bool isApplyingSettings() const { return awaitingSettings; }

    // Bytes held for reading at most; 0 for no limit.
    virtual void setReadBufferSize(qint64 size) = 0;

    bool isSequential() const override { return true; }
    void close() override;

signals:
    void opened();
    // The system's or the network's reason, and what the user can do where
    // that is known (translated).
    void openFailed(const QString &reason, const QString &remedy);
    void settingsApplied();
    // Everything written has left for the device or the network.
    void allWritten();
    void lost(const QString &reason);

protected:
    explicit SerialLine(const QString &portName, QObject *parent = nullptr);

    // Puts the settings on the line; true while the far end is yet to take them.
    virtual bool putSettings(const PortSettings &settings) = 0;
    virtual void closeLine() = 0;

    void beginOpening();
    void finishOpening();
    void failOpening(const QString &reason, const QString &remedy);
    // The settings awaited are in effect now.
    void settingsTaken();
    // Closes the line outside the signal that called, then says lost() once.
    void reportLost(const QString &reason);

private:
    const QString name;
    PortSettings current;
    bool opening = false;
    bool awaitingSettings = false;
    bool appliedQueued = false;
    bool losing = false;
};
