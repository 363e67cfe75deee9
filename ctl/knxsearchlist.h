#pragma once

#include "knxinvocation.h"

// rs485ctl knx search: the interfaces that answer within 3 s, one line each on
// standard output:
//   192.168.1.20:3671 1.1.0 tunnelling,routing "KNX IP Router"
// The exit code: 0 when one answered, 1 when none did, 2 when no request could
// go out, 128 + a signal.
int runKnxSearch(const KnxInvocation &invocation);
