#pragma once

#include <QByteArray>
#include <QString>

// What the program writes, in UTF-8, at once.
void writeOut(const QString &text);
void writeErr(const QString &text);
// Standard error is a terminal, so that lines can be redrawn.
bool errIsTerminal();

// Text that came from outside (a device server, a device, a file, a cell, an
// argument) as it may be printed: control characters and the marks that
// reorder text shown as escapes (\x1B, \u009B, \u202E), so that none acts on
// a terminal.
QString visible(const QString &outside);
// A JSON document whose strings carry those characters escaped as JSON does.
QByteArray visibleJson(const QByteArray &json);
