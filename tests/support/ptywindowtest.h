#pragma once

#include "pseudoterminal.h"
#include "scopedworkdir.h"
#include "windowundertest.h"

#include <QObject>
#include <QTest>

#include <memory>

// Base of the tests in which the test plays the gateway by hand: before each
// test function the window opens its port on a fresh pseudo-terminal whose
// other side the test holds.
class PtyWindowTest : public QObject
{
    Q_OBJECT

protected:
    ScopedWorkDir workDir;
    std::unique_ptr<PseudoTerminal> pty;
    std::unique_ptr<WindowUnderTest> w;

private slots:
    void init()
    {
        pty = std::make_unique<PseudoTerminal>();
        w = std::make_unique<WindowUnderTest>(QStringList{pty->slavePath()});
        QVERIFY(w->openPort(pty->slavePath()));
    }

    void cleanup()
    {
        w.reset();
        pty.reset();
    }
};
