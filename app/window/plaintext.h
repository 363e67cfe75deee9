#pragma once

#include <QMessageBox>

// Texts that include something from outside (a server, a device, a file or
// its name, a cell) shown as plain text, never as markup.

// A modal message box whose texts show as plain text. Gives the button pressed.
QMessageBox::StandardButton showPlainBox(QWidget *parent, QMessageBox::Icon icon,
                                         const QString &title, const QString &text,
                                         const QString &informativeText = QString(),
                                         QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// A tooltip that shows the text as it is: a tooltip that looks like markup
// would be rendered as such.
QString plainToolTip(const QString &text);
