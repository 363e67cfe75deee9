#include "mainwindow.h"
#include "messageboxanswerer.h"
#include "scopedworkdir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>

namespace {
// A panel widget's object name and its content as a cell text.
using Panel = QList<QPair<QString, QString>>;

// n bytes 00 01 02 ..., separated by the separator.
QString hexBytes(int n, QChar separator)
{
    QStringList bytes;
    for (int i = 0; i < n; ++i)
        bytes << QString::asprintf("%02X", i);
    return bytes.join(separator);
}

// A page: its name in the object names, its tab and the smallest valid panel.
struct Page
{
    QString name;
    int tab;
    int mostRows;
    Panel validPanel;
};

const QList<Page> pages = {
    {"485toknx_w",
     1,
     512,
     {{"lineEdit_485toknx_w_telegram", "01-02-03"}, {"lineEdit_485toknx_w_addr", "1.2.3"}}},
    {"1byte",
     2,
     256,
     {{"lineEdit_1byte_telegram1", "0A"},
      {"lineEdit_1byte_telegram2", "0B"},
      {"lineEdit_1byte_addr", "1/1/1"}}},
    {"knxto485_w",
     3,
     512,
     {{"lineEdit_knxto485_w_telegram", "7e"}, {"lineEdit_knxto485_w_addr", "2/3/4"}}},
};

Page page(const QString &name)
{
    for (const Page &p : pages)
        if (p.name == name)
            return p;
    qFatal("no page %s", qPrintable(name));
}

void addPageRows()
{
    QTest::addColumn<QString>("page");
    for (const Page &p : pages)
        QTest::newRow(qPrintable(p.name)) << p.name;
}

// A whole panel as typed, the row that Add makes of it, and what the panel
// shows when that row is clicked.
struct RoundTrip
{
    Panel typed;
    QStringList cells;
    Panel shown;
};

RoundTrip roundTrip(const QString &page)
{
    if (page == "485toknx_w")
        return {{{"lineEdit_485toknx_w_name", "Lamp"},
                 {"lineEdit_485toknx_w_telegram", "01-02-03"},
                 {"lineEdit_485toknx_w_ack", "0a-0B"},
                 {"comboBox_485toknx_w_type", "write"},
                 {"lineEdit_485toknx_w_addr", "1.2/3"},
                 {"comboBox_485toknx_w_length", "2 byte"},
                 {"spinBox_485toknx_w_value", "40000"}},
                {"Lamp", "01 02 03", "0a 0B", "write", "1/2/3", "2 byte", "40000"},
                {{"lineEdit_485toknx_w_name", "Lamp"},
                 {"lineEdit_485toknx_w_telegram", "01 02 03"},
                 {"lineEdit_485toknx_w_ack", "0a 0B"},
                 {"comboBox_485toknx_w_type", "write"},
                 {"lineEdit_485toknx_w_addr", "1/2/3"},
                 {"comboBox_485toknx_w_length", "2 byte"},
                 {"spinBox_485toknx_w_value", "40000"}}};
    if (page == "1byte")
        return {{{"lineEdit_1byte_name", "Dimmer"},
                 {"lineEdit_1byte_telegram1", "01-02"},
                 {"lineEdit_1byte_ack1", "03"},
                 {"lineEdit_1byte_telegram2", "04-05"},
                 {"lineEdit_1byte_ack2", "06-07"},
                 {"lineEdit_1byte_addr", "4.5.6"},
                 {"spinBox_1byte_min", "200"},
                 {"spinBox_1byte_max", "10"},
                 {"spinBox_1byte_interval", "7"}},
                {"Dimmer", "01 02", "03", "04 05", "06 07", "4/5/6", "1 byte", "200", "10", "7"},
                {{"lineEdit_1byte_name", "Dimmer"},
                 {"lineEdit_1byte_telegram1", "01 02"},
                 {"lineEdit_1byte_ack1", "03"},
                 {"lineEdit_1byte_telegram2", "04 05"},
                 {"lineEdit_1byte_ack2", "06 07"},
                 {"lineEdit_1byte_addr", "4/5/6"},
                 {"comboBox_1byte_length", "1 byte"},
                 {"spinBox_1byte_min", "200"},
                 {"spinBox_1byte_max", "10"},
                 {"spinBox_1byte_interval", "7"}}};
    return {{{"lineEdit_knxto485_w_name", "Blind"},
             {"comboBox_knxto485_w_type", "response"},
             {"comboBox_knxto485_w_baudrate", "56000"},
             {"lineEdit_knxto485_w_addr", "7.6.5"},
             {"comboBox_knxto485_w_length", "6 bit"},
             {"spinBox_knxto485_w_value", "63"},
             {"lineEdit_knxto485_w_telegram", "aa-bb"}},
            {"Blind", "response", "56000", "7/6/5", "6 bit", "63", "aa bb"},
            {{"lineEdit_knxto485_w_name", "Blind"},
             {"comboBox_knxto485_w_type", "response"},
             {"comboBox_knxto485_w_baudrate", "56000"},
             {"lineEdit_knxto485_w_addr", "7/6/5"},
             {"comboBox_knxto485_w_length", "6 bit"},
             {"spinBox_knxto485_w_value", "63"},
             {"lineEdit_knxto485_w_telegram", "aa bb"}}};
}

QStringList rowTexts(const QTableWidget *table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << (table->item(row, column) ? table->item(row, column)->text() : "<none>");
    return texts;
}

// Puts a row into the table as an import does, without any check.
void appendRow(QTableWidget *table, const QStringList &cells)
{
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
}
} // namespace

class TestTableEditing : public QObject
{
    Q_OBJECT

    template <typename T> T *find(const QString &name) const
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }

    QTableWidget *table(const QString &page) const
    {
        return find<QTableWidget>("tableWidget_" + page);
    }
    void press(const QString &page, const char *button) const
    {
        find<QPushButton>(QString("pushButton_%1_%2").arg(page, button))->click();
    }

    void setPanel(const Panel &panel) const
    {
        for (const auto &[name, text] : panel) {
            QWidget *widget = find<QWidget>(name);
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                edit->setText(text);
            else if (auto *box = qobject_cast<QComboBox *>(widget))
                box->setCurrentIndex(box->findText(text));
            else if (auto *spinBox = qobject_cast<QSpinBox *>(widget))
                spinBox->setValue(text.toInt());
        }
    }

    Panel shownPanel(const Panel &names) const
    {
        Panel shown;
        for (const auto &field : names) {
            QWidget *widget = find<QWidget>(field.first);
            QString text;
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                text = edit->text();
            else if (auto *box = qobject_cast<QComboBox *>(widget))
                text = box->currentText();
            else if (auto *spinBox = qobject_cast<QSpinBox *>(widget))
                text = QString::number(spinBox->value());
            shown.append({field.first, text});
        }
        return shown;
    }

    // Empties the line edits and selects the first item and the lowest value.
    void resetPanel(const Panel &names) const
    {
        for (const auto &field : names) {
            QWidget *widget = find<QWidget>(field.first);
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                edit->clear();
            else if (auto *box = qobject_cast<QComboBox *>(widget))
                box->setCurrentIndex(0);
            else if (auto *spinBox = qobject_cast<QSpinBox *>(widget))
                spinBox->setValue(spinBox->minimum());
        }
    }

    void addRowNamed(const QString &page, const QString &name) const
    {
        find<QLineEdit>(QString("lineEdit_%1_name").arg(page))->setText(name);
        press(page, "add");
    }

    QStringList names(const QString &page) const
    {
        QStringList result;
        for (int row = 0; row < table(page)->rowCount(); ++row)
            result << table(page)->item(row, 0)->text();
        return result;
    }

    // Shows the page and clicks the row with the mouse.
    bool clickRow(const QString &pageName, int row) const
    {
        find<QTabWidget>("tabWidget_General")->setCurrentIndex(page(pageName).tab);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return false;
        QTableWidget *t = table(pageName);
        t->scrollToItem(t->item(row, 0));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {},
                          t->visualItemRect(t->item(row, 0)).center());
        return t->currentRow() == row;
    }

    ScopedWorkDir workDir;
    std::unique_ptr<MainWindow> window;

private slots:
    void init() { window = std::make_unique<MainWindow>(); }
    void cleanup() { window.reset(); }

    void addStopsAtTheRowLimit_data() { addPageRows(); }

    void addStopsAtTheRowLimit()
    {
        QFETCH(QString, page);
        MessageBoxAnswerer answerer;
        const Page p = ::page(page);
        setPanel(p.validPanel);
        for (int i = 0; i < p.mostRows - 1; ++i)
            press(page, "add");
        QCOMPARE(table(page)->rowCount(), p.mostRows - 1);
        addRowNamed(page, "last");
        QCOMPARE(table(page)->rowCount(), p.mostRows);
        QCOMPARE(table(page)->currentRow(), p.mostRows - 1);

        addRowNamed(page, "one too many");
        QCOMPARE(table(page)->rowCount(), p.mostRows);
        QCOMPARE(table(page)->item(p.mostRows - 1, 0)->text(), QString("last"));
        QCOMPARE(answerer.count(), 0);
    }

    void addStoresTheCheckedRecord_data() { addPageRows(); }

    void addStoresTheCheckedRecord()
    {
        QFETCH(QString, page);
        const RoundTrip trip = roundTrip(page);
        setPanel(trip.typed);
        press(page, "add");
        QCOMPARE(table(page)->rowCount(), 1);
        QCOMPARE(rowTexts(table(page), 0), trip.cells);
        QCOMPARE(shownPanel(trip.typed), trip.typed); // the panel keeps what was typed
    }

    void addMakesTheNewRowCurrentAndSelected()
    {
        setPanel(page("485toknx_w").validPanel);
        for (const char *name : {"A", "B", "C"})
            addRowNamed("485toknx_w", name);
        QTableWidget *t = table("485toknx_w");
        t->setCurrentCell(0, 0);
        press("485toknx_w", "add");
        QCOMPARE(t->rowCount(), 4);
        QCOMPARE(t->currentRow(), 3);
        const QModelIndexList selected = t->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), 3);
    }

    void addRefusesMalformedPanels_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty telegram") << "485toknx_w"
                                        << "lineEdit_485toknx_w_telegram"
                                        << "";
        QTest::newRow("empty address") << "485toknx_w"
                                       << "lineEdit_485toknx_w_addr"
                                       << "";
        QTest::newRow("incomplete telegram") << "485toknx_w"
                                             << "lineEdit_485toknx_w_telegram"
                                             << "01 0";
        QTest::newRow("incomplete ack") << "485toknx_w"
                                        << "lineEdit_485toknx_w_ack"
                                        << "0a-";
        QTest::newRow("0/0/0") << "485toknx_w"
                               << "lineEdit_485toknx_w_addr"
                               << "0/0/0";
        QTest::newRow("empty minus telegram") << "1byte"
                                              << "lineEdit_1byte_telegram2"
                                              << "";
        QTest::newRow("one-digit minus ack") << "1byte"
                                             << "lineEdit_1byte_ack2"
                                             << "0";
        QTest::newRow("two-part address") << "knxto485_w"
                                          << "lineEdit_knxto485_w_addr"
                                          << "1.2";
        QTest::newRow("trailing separator") << "knxto485_w"
                                            << "lineEdit_knxto485_w_telegram"
                                            << "01 ";
    }

    void addRefusesMalformedPanels()
    {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, text);
        MessageBoxAnswerer answerer;
        setPanel(::page(page).validPanel);
        setPanel({{field, text}});
        press(page, "add");
        QCOMPARE(table(page)->rowCount(), 0);
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(find<QLineEdit>(field)->text(), text);
    }

    void updateOverwritesOnlyTheCurrentRow()
    {
        setPanel(page("485toknx_w").validPanel);
        for (const char *name : {"A", "B", "C"})
            addRowNamed("485toknx_w", name);
        QTableWidget *t = table("485toknx_w");
        const QStringList first = rowTexts(t, 0), last = rowTexts(t, 2);
        t->setCurrentCell(1, 0);

        setPanel({{"lineEdit_485toknx_w_name", "X"},
                  {"lineEdit_485toknx_w_telegram", "0f"},
                  {"comboBox_485toknx_w_type", "read"},
                  {"comboBox_485toknx_w_length", "4 bit"},
                  {"spinBox_485toknx_w_value", "9"}});
        press("485toknx_w", "update");
        QCOMPARE(t->rowCount(), 3);
        QCOMPARE(rowTexts(t, 1), QStringList({"X", "0f", "", "read", "1/2/3", "4 bit", ""}));
        QCOMPARE(rowTexts(t, 0), first);
        QCOMPARE(rowTexts(t, 2), last);
        QCOMPARE(t->currentRow(), 1);

        setPanel({{"lineEdit_485toknx_w_name", "Y"}, {"lineEdit_485toknx_w_telegram", "0f 1"}});
        press("485toknx_w", "update");
        QCOMPARE(t->item(1, 0)->text(), QString("X"));
    }

    void updateOneByteAcks()
    {
        setPanel(page("1byte").validPanel);
        press("1byte", "add");
        setPanel({{"lineEdit_1byte_ack1", "0a-0b"}});
        press("1byte", "update");
        QCOMPARE(table("1byte")->item(0, 2)->text(), QString("0a 0b"));
        setPanel({{"lineEdit_1byte_ack1", "1c"}, {"lineEdit_1byte_ack2", "0c-0"}});
        press("1byte", "update");
        QCOMPARE(table("1byte")->item(0, 2)->text(), QString("0a 0b"));
        QCOMPARE(table("1byte")->item(0, 4)->text(), QString(""));
    }

    void updateAndDeleteWithoutRowsOrCurrentRowDoNothing_data() { addPageRows(); }

    void updateAndDeleteWithoutRowsOrCurrentRowDoNothing()
    {
        QFETCH(QString, page);
        MessageBoxAnswerer answerer;
        setPanel(::page(page).validPanel);
        press(page, "update");
        press(page, "delete");
        QCOMPARE(table(page)->rowCount(), 0);

        addRowNamed(page, "A");
        addRowNamed(page, "B");
        table(page)->setCurrentIndex(QModelIndex());
        find<QLineEdit>(QString("lineEdit_%1_name").arg(page))->setText("X");
        press(page, "update");
        press(page, "delete");
        QCOMPARE(names(page), QStringList({"A", "B"}));
        QCOMPARE(answerer.count(), 0);
    }

    void deleteRemovesOnlyTheCurrentRow_data() { addPageRows(); }

    void deleteRemovesOnlyTheCurrentRow()
    {
        QFETCH(QString, page);
        MessageBoxAnswerer answerer;
        setPanel(::page(page).validPanel);
        for (const char *name : {"A", "B", "C"})
            addRowNamed(page, name);
        table(page)->setCurrentCell(1, 0);
        press(page, "delete");
        QCOMPARE(names(page), QStringList({"A", "C"}));
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(find<QLineEdit>(QString("lineEdit_%1_name").arg(page))->text(), QString("C"));
    }

    void clearAsksFirst_data() { addPageRows(); }

    void clearAsksFirst()
    {
        QFETCH(QString, page);
        MessageBoxAnswerer answerer;
        press(page, "clear");
        QCOMPARE(answerer.count(), 0);

        setPanel(::page(page).validPanel);
        addRowNamed(page, "A");
        addRowNamed(page, "B");
        answerer.answerNext(QMessageBox::Cancel);
        press(page, "clear");
        QCOMPARE(answerer.count(), 1);
        const MessageBoxAnswerer::Box box = answerer.last();
        QCOMPARE(box.title, QString("Clear"));
        QCOMPARE(box.text, QString("Clear all?"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        QCOMPARE(names(page), QStringList({"A", "B"}));

        answerer.answerNext(QMessageBox::Yes);
        press(page, "clear");
        QCOMPARE(answerer.count(), 2);
        QCOMPARE(table(page)->rowCount(), 0);
        QCOMPARE(find<QLineEdit>(QString("lineEdit_%1_name").arg(page))->text(), QString("B"));
    }

    // The length box is set before the value box: the 485-to-KNX row's
    // 40000 would be clamped to 1 by the "1 bit" the reset panel shows.
    void clickedRowFillsThePanel_data() { addPageRows(); }

    void clickedRowFillsThePanel()
    {
        QFETCH(QString, page);
        const RoundTrip trip = roundTrip(page);
        appendRow(table(page), QStringList(trip.cells.size(), "x"));
        setPanel(trip.typed);
        press(page, "add");
        resetPanel(trip.shown);
        QVERIFY(clickRow(page, 1));
        QCOMPARE(shownPanel(trip.shown), trip.shown);
    }

    void clickedReadRowShowsReadAndZero()
    {
        appendRow(table("485toknx_w"), {"R", "01", "", "read", "1/2/3", "1 byte", ""});
        setPanel({{"comboBox_485toknx_w_type", "write"},
                  {"comboBox_485toknx_w_length", "1 byte"},
                  {"spinBox_485toknx_w_value", "100"}});
        QVERIFY(clickRow("485toknx_w", 0));
        QCOMPARE(find<QComboBox>("comboBox_485toknx_w_type")->currentText(), QString("read"));
        QCOMPARE(find<QSpinBox>("spinBox_485toknx_w_value")->value(), 0);
    }

    // A row read from a file may hold texts that are no item of the lists.
    void clickedRowWithUnknownTexts()
    {
        appendRow(table("knxto485_w"), {"U", "Write", "1200", "1/2/3", "16 bit", "3", "01"});
        setPanel({{"comboBox_knxto485_w_length", "2 byte"}, {"spinBox_knxto485_w_value", "500"}});
        QVERIFY(clickRow("knxto485_w", 0));
        QCOMPARE(find<QComboBox>("comboBox_knxto485_w_length")->currentIndex(), -1);
        QCOMPARE(find<QComboBox>("comboBox_knxto485_w_type")->currentIndex(), -1);
        QCOMPARE(find<QComboBox>("comboBox_knxto485_w_baudrate")->currentIndex(), -1);
        auto *value = find<QSpinBox>("spinBox_knxto485_w_value");
        QCOMPARE(value->minimum(), 0);
        QCOMPARE(value->maximum(), 1);
        QCOMPARE(value->value(), 1);

        // Such a panel makes no record.
        press("knxto485_w", "update");
        press("knxto485_w", "add");
        QCOMPARE(rowTexts(table("knxto485_w"), 0),
                 QStringList({"U", "Write", "1200", "1/2/3", "16 bit", "3", "01"}));
        QCOMPARE(table("knxto485_w")->rowCount(), 1);
    }

    void clickedRowWithNonNumericTextsGivesZero()
    {
        appendRow(table("1byte"), {"N", "01", "", "02", "", "1/1/1", "1 byte", "", "x", "300"});
        setPanel({{"spinBox_1byte_min", "5"},
                  {"spinBox_1byte_max", "6"},
                  {"spinBox_1byte_interval", "7"}});
        QVERIFY(clickRow("1byte", 0));
        QCOMPARE(find<QSpinBox>("spinBox_1byte_min")->value(), 0);
        QCOMPARE(find<QSpinBox>("spinBox_1byte_max")->value(), 0);
        QCOMPARE(find<QSpinBox>("spinBox_1byte_interval")->value(), 255);
    }

    void lengthSetsTheValueRange_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("485toknx_w") << "485toknx_w";
        QTest::newRow("knxto485_w") << "knxto485_w";
    }

    void lengthSetsTheValueRange()
    {
        QFETCH(QString, page);
        auto *length = find<QComboBox>(QString("comboBox_%1_length").arg(page));
        auto *value = find<QSpinBox>(QString("spinBox_%1_value").arg(page));
        const auto select = [&](const char *text) {
            length->setCurrentIndex(length->findText(text));
        };
        select("2 byte");
        QCOMPARE(value->maximum(), 65535);
        value->setValue(40000);
        QCOMPARE(value->value(), 40000);
        select("1 byte");
        QCOMPARE(value->value(), 255);
        select("4 bit");
        QCOMPARE(value->maximum(), 15);
        value->setValue(10);
        select("6 bit");
        QCOMPARE(value->maximum(), 63);
        QCOMPARE(value->value(), 10);
        select("2 bit");
        QCOMPARE(value->value(), 3);
        select("1 bit");
        QCOMPARE(value->maximum(), 1);
        QCOMPARE(value->value(), 1);
        select("2 byte");
        length->setCurrentIndex(-1);
        QCOMPARE(value->minimum(), 0);
        QCOMPARE(value->maximum(), 1);
    }

    void fieldsRefuseTypedInput_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("held");
        const QString bytes64 = hexBytes(64, '-'), bytes32 = hexBytes(32, ' ');
        for (const char *field : {"lineEdit_485toknx_w_telegram", "lineEdit_1byte_telegram1",
                                  "lineEdit_1byte_telegram2", "lineEdit_knxto485_w_telegram"}) {
            QTest::addRow("%s 65th byte", field) << field << bytes64 + " 40" << bytes64;
            QTest::addRow("%s not hex", field) << field << "0g1 2"
                                               << "01 2";
        }
        for (const char *field :
             {"lineEdit_485toknx_w_ack", "lineEdit_1byte_ack1", "lineEdit_1byte_ack2"})
            QTest::addRow("%s 33rd byte", field) << field << bytes32 + "-20" << bytes32;
        for (const char *field :
             {"lineEdit_485toknx_w_addr", "lineEdit_1byte_addr", "lineEdit_knxto485_w_addr"}) {
            QTest::addRow("%s main 16", field) << field << "16/0/0"
                                               << "1/0/0";
            QTest::addRow("%s sub 256", field) << field << "1.2/256"
                                               << "1.2/25";
        }
        QTest::newRow("name has no rule") << "lineEdit_485toknx_w_name"
                                          << "a b-c/!"
                                          << "a b-c/!";
    }

    void fieldsRefuseTypedInput()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, held);
        auto *edit = find<QLineEdit>(field);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), held);
    }

    void incompleteTypedTextIsHeldButMakesNoRecord()
    {
        QTest::keyClicks(find<QLineEdit>("lineEdit_485toknx_w_telegram"), "01 0");
        QTest::keyClicks(find<QLineEdit>("lineEdit_485toknx_w_addr"), "1/2/3");
        QCOMPARE(find<QLineEdit>("lineEdit_485toknx_w_telegram")->text(), QString("01 0"));
        press("485toknx_w", "add");
        QCOMPARE(table("485toknx_w")->rowCount(), 0);
        QTest::keyClicks(find<QLineEdit>("lineEdit_485toknx_w_telegram"), "2");
        press("485toknx_w", "add");
        QCOMPARE(table("485toknx_w")->rowCount(), 1);
    }
};

QTEST_MAIN(TestTableEditing)
#include "tst_tableediting.moc"
