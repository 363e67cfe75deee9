#include "serialline.h"

#include <QTimer>

SerialLine::SerialLine(const QString &portName, QObject *parent)
    : QIODevice(parent)
    , name(portName)
{}

SerialLine::~SerialLine() = default;

void SerialLine::applySettings(const PortSettings &settings)
{
    current = settings;
    awaitingSettings = putSettings(settings);
    if (awaitingSettings || appliedQueued)
        return;
    appliedQueued = true;
    QTimer::singleShot(0, this, [this] {
        appliedQueued = false;
        if (!awaitingSettings)
            emit settingsApplied();
    });
}

void SerialLine::settingsTaken()
{
    if (!awaitingSettings)
        return;
    awaitingSettings = false;
    emit settingsApplied();
}

void SerialLine::close()
{
    opening = false;
    awaitingSettings = false;
    closeLine();
    QIODevice::close();
}

void SerialLine::beginOpening()
{
    opening = true;
    losing = false;
}

void SerialLine::finishOpening()
{
    opening = false;
    QIODevice::open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    emit opened();
}

void SerialLine::failOpening(const QString &reason, const QString &remedy)
{
    opening = false;
    closeLine();
    emit openFailed(reason, remedy);
}

void SerialLine::reportLost(const QString &reason)
{
    if (!isOpen() || losing)
        return;
    losing = true;
    QTimer::singleShot(0, this, [this, reason] {
        if (!isOpen())
            return;
        close();
        emit lost(reason);
    });
}
