#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of a telegram typed into an editor, to be put on the line raw for
// a test: pairs of hexadecimal digits separated by a blank or "-". Nothing
// when the text is empty or does not end in a complete pair.
std::optional<QByteArray> testTelegramBytes(const QString &text);
