#include "plaintext.h"

#include <QLabel>
#include <QTextDocument>

QMessageBox::StandardButton showPlainBox(QWidget *parent, QMessageBox::Icon icon,
                                         const QString &title, const QString &text,
                                         const QString &informativeText,
                                         QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (!informativeText.isEmpty()) {
        box.setInformativeText(informativeText);
        // The informative text has a label of its own, which guesses its format.
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }
    return QMessageBox::StandardButton(box.exec());
}

QString plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}
