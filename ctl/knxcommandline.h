#pragma once

#include "commandline.h"

#include <QStringList>

// "rs485ctl knx <command> ...": the invocation, or the exit code after help or
// a usage error has been printed.
CommandLine parseKnxCommandLine(const QStringList &arguments);

// The knx commands' lines of "rs485ctl --help".
QString knxProgramHelp();
