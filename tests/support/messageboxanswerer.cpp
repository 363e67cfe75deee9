#include "messageboxanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton defaultAnswer)
    : defaultAnswer(defaultAnswer)
{
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, &MessageBoxAnswerer::answerActiveDialog);
    poll.start();
}

void MessageBoxAnswerer::answerNext(QMessageBox::StandardButton button)
{
    answers.enqueue(button);
}

void MessageBoxAnswerer::answerFileDialog(const QString &path)
{
    paths.enqueue(path);
}

void MessageBoxAnswerer::answerDialog(std::function<void(QDialog *)> fill)
{
    dialogFillers.enqueue(std::move(fill));
}

QStringList MessageBoxAnswerer::texts() const
{
    QStringList result;
    for (const Box &box : seenBoxes)
        result << box.text;
    return result;
}

bool MessageBoxAnswerer::waitForBoxes(int n, int timeoutMs)
{
    return QTest::qWaitFor([&] { return seenBoxes.size() >= n; }, timeoutMs);
}

void MessageBoxAnswerer::answerActiveDialog()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        answerBox(box);
    else if (auto *dialog = qobject_cast<QFileDialog *>(modal))
        answerFileDialog(dialog);
    else if (auto *other = qobject_cast<QDialog *>(modal))
        answerOtherDialog(other);
}

void MessageBoxAnswerer::answerOtherDialog(QDialog *dialog)
{
    if (dialogFillers.isEmpty())
        dialog->reject();
    else
        dialogFillers.dequeue()(dialog);
}

void MessageBoxAnswerer::answerBox(QMessageBox *box)
{
    Box seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.informativeText = box->informativeText();
    const auto *informative = box->findChild<QLabel *>("qt_msgbox_informativelabel");
    seen.plainText =
        box->textFormat() == Qt::PlainText &&
        (informative ? informative->textFormat() == Qt::PlainText : seen.informativeText.isEmpty());
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    seen.defaultButton = box->standardButton(box->defaultButton());
    seenBoxes.append(seen);

    const QMessageBox::StandardButton answer =
        answers.isEmpty() ? defaultAnswer : answers.dequeue();
    if (QAbstractButton *button = box->button(answer))
        button->click();
    else
        box->reject();
}

void MessageBoxAnswerer::answerFileDialog(QFileDialog *dialog)
{
    FileDialog seen;
    seen.title = dialog->windowTitle();
    if (auto *nameEdit = dialog->findChild<QLineEdit *>("fileNameEdit"))
        seen.initialFile = nameEdit->text();
    seen.nameFilters = dialog->nameFilters();
    seenFileDialogs.append(seen);

    const QString path = paths.isEmpty() ? QString() : paths.dequeue();
    if (path.isEmpty()) {
        dialog->reject();
        return;
    }
    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->done(QDialog::Accepted);
}
