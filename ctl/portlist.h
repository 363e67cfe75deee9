#pragma once

#include "portlisting.h"

#include <QByteArray>
#include <QString>

// The ports command's output: one line per port, the fields separated by two
// blanks and "-" for what is unknown; or a JSON array of objects.
QString portListText(const QList<PortEntry> &ports);
QByteArray portListJson(const QList<PortEntry> &ports);
