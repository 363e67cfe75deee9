#pragma once

#include <QHash>
#include <QObject>

// Checks of several gateways on one KNX connection tell the gateways apart
// by the individual address each sends from. A check learns its gateway's
// address from the first group telegram its gateway sends for it; while it
// learns, no other check may learn (their telegrams could not be told apart),
// and a telegram from an address another gateway has is not its gateway's.
class GatewaySources : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The check may learn now; when false, learnable() follows later.
    bool beginLearning(const void *check);
    void endLearning(const void *check);
    void claim(const void *check, quint16 source);
    // Whether the address is another check's gateway's.
    bool isOthers(const void *check, quint16 source) const;

signals:
    void learnable();

private:
    const void *learning = nullptr;
    QHash<quint16, const void *> owners;
};
