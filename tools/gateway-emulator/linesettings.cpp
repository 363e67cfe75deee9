#include "pseudoterminal.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

// The line speed is read as a number, so that rates without a Bxxx constant
// (14400, 56000) are seen as set.
bool readLineSettings(int descriptor, LineSettings *settings)
{
    termios2 attributes{};
    if (ioctl(descriptor, TCGETS2, &attributes) != 0)
        return false;
    settings->baudRate = attributes.c_ospeed;
    settings->twoStopBits = attributes.c_cflag & CSTOPB;
    return true;
}
