#pragma once

#include "downloadframes.h"
#include "mainwindow.h"
#include "receiveview.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QStringList>

#include <memory>

// The real main window, offscreen, with the given devices first in its port
// list, and the few things every window test reads or clicks by name.
class WindowUnderTest
{
public:
    explicit WindowUnderTest(const QStringList &extraPorts = {});
    ~WindowUnderTest();

    MainWindow &window() { return *mainWindow; }

    template <typename T = QWidget> T *widget(const char *name) const
    {
        T *found = mainWindow->findChild<T *>(name);
        if (!found)
            qFatal("The window has no %s named %s", T::staticMetaObject.className(), name);
        return found;
    }

    void click(const char *button) { widget<QAbstractButton>(button)->click(); }
    void select(const char *comboBox, const QString &item);

    QString statusText() const { return widget<QLabel>("statusLabel")->text(); }
    QString receivedText() const { return widget<ReceiveView>("textEditRecv")->toPlainText(); }
    bool isPortOpen() const;
    // The rows of the three tables, as a download would send them.
    TelegramTables tables() const;

    // Selects the entry and presses Open; true when the window is open then.
    bool openPort(const QString &entry);

private:
    std::unique_ptr<MainWindow> mainWindow;
};
