#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starts a program as a process of its own that outlives this one.
bool startDetached(const QString &program, const QStringList &arguments = {});

// Replaces what startDetached() does, so that tests can watch a restart
// without launching anything. An empty starter restores the real one.
using DetachedStarter = std::function<bool(const QString &, const QStringList &)>;
void setDetachedStarter(DetachedStarter starter);
