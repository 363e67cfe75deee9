#include "createserialline.h"

#include "localserialline.h"
#include "rfc2217line.h"
#include "tcpline.h"

std::unique_ptr<SerialLine> createSerialLine(const QString &portName)
{
    switch (lineKindOf(portName)) {
    case LineKind::Rfc2217:
        return std::make_unique<Rfc2217Line>(portName);
    case LineKind::RawTcp:
        return std::make_unique<TcpLine>(portName);
    case LineKind::Local:
        break;
    }
    return std::make_unique<LocalSerialLine>(portName);
}
