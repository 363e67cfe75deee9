#include "gatewaysources.h"

bool GatewaySources::beginLearning(const void *check)
{
    if (learning && learning != check)
        return false;
    learning = check;
    return true;
}

void GatewaySources::endLearning(const void *check)
{
    if (learning != check)
        return;
    learning = nullptr;
    emit learnable();
}

void GatewaySources::claim(const void *check, quint16 source)
{
    owners.insert(source, check);
}

bool GatewaySources::isOthers(const void *check, quint16 source) const
{
    const void *owner = owners.value(source);
    return owner && owner != check;
}
