#pragma once

#include "serialline.h"

#include <memory>

// The line a port name opens (portnames.h): an RFC 2217 or raw TCP port of a
// device server, or else the local device of that system name.
std::unique_ptr<SerialLine> createSerialLine(const QString &portName);
