#pragma once

#include <QCoreApplication>

// The texts of the window and its parts, all translated in one context, that
// of the window (the catalogue's): WindowText::tr("Open").
struct WindowText
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};
