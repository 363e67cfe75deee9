#include "grouptelegram.h"

QString groupServiceWord(GroupService service)
{
    switch (service) {
    case GroupService::Read:
        return QStringLiteral("read");
    case GroupService::Response:
        return QStringLiteral("response");
    case GroupService::Write:
        break;
    }
    return QStringLiteral("write");
}
