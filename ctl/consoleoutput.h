#pragma once

#include <QString>

// What the program writes, in UTF-8, at once.
void writeOut(const QString &text);
void writeErr(const QString &text);
// Standard error is a terminal, so that lines can be redrawn.
bool errIsTerminal();
