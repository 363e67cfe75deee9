#include "detachedstart.h"

#include <QProcess>

namespace {
DetachedStarter &starter()
{
    static DetachedStarter current;
    return current;
}
} // namespace

bool startDetached(const QString &program, const QStringList &arguments)
{
    if (starter())
        return starter()(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void setDetachedStarter(DetachedStarter replacement)
{
    starter() = std::move(replacement);
}
