#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;

// Answers the modal dialogs a window opens while a test drives it and records
// what they showed. Message boxes get the queued answers in turn, then the
// default answer; file dialogs get the queued paths in turn (an empty path
// cancels); other dialogs are handed to the queued callbacks in turn, or
// rejected. Lives for one test function.
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Box
    {
        QString title;
        QString text;
        QString informativeText;
        // Both texts shown as plain text, whatever they hold.
        bool plainText = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };
    struct FileDialog
    {
        QString title;
        QString initialFile;
        QStringList nameFilters;
    };

    explicit MessageBoxAnswerer(QMessageBox::StandardButton defaultAnswer = QMessageBox::Ok);

    void answerNext(QMessageBox::StandardButton button);
    void answerFileDialog(const QString &path);
    // The callback fills in the dialog and accepts or rejects it.
    void answerDialog(std::function<void(QDialog *)> fill);

    const QList<Box> &boxes() const { return seenBoxes; }
    const QList<FileDialog> &fileDialogs() const { return seenFileDialogs; }
    int count() const { return seenBoxes.size(); }
    Box last() const { return seenBoxes.value(seenBoxes.size() - 1); }
    QStringList texts() const;

    // Runs the event loop until at least n boxes have been answered.
    bool waitForBoxes(int n, int timeoutMs = 5000);

private:
    void answerActiveDialog();
    void answerBox(QMessageBox *box);
    void answerFileDialog(class QFileDialog *dialog);
    void answerOtherDialog(QDialog *dialog);

    QMessageBox::StandardButton defaultAnswer;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> paths;
    QQueue<std::function<void(QDialog *)>> dialogFillers;
    QList<Box> seenBoxes;
    QList<FileDialog> seenFileDialogs;
    QTimer poll;
};
