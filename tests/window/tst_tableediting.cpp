#include "messageboxanswerer.h"
#include "sampletables.h"
#include "scopedworkdir.h"
#include "tablefilling.h"
#include "telegrampages.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
using Rows = QList<QStringList>;

// Panels as typed; the fields differ, so that a column mix-up shows.
const Tele485ToKnxW lamp{"Lamp", "01-02-03", "0a-0B", "write", "1.2/3", "2 byte", "40000"};
const Tele485ToKnxW bell{"Bell", "7e", "", "read", "4/5/6", "1 bit", "1"};
const Tele1Byte dimmer{"Dimmer", "01-02",  "03",  "04-05", "06-07",
                       "4.5.6",  "1 byte", "200", "10",    "7"};
const Tele1Byte fader{"Fader", "08", "", "09", "", "1/1/1", "1 byte", "0", "255", "1"};
const TeleKnxTo485W blind{"Blind", "response", "56000", "7.6.5", "6 bit", "63", "aa-bb"};
} // namespace

class TestTableEditing : public QObject
{
    Q_OBJECT

    template <typename T = QWidget> T *find(const QString &name) const
    {
        return w->widget<T>(qPrintable(name));
    }
    QTableWidget *table(const QString &page) { return find<QTableWidget>("tableWidget_" + page); }
    void press(const QString &page, const char *button)
    {
        w->click(qPrintable(QString("pushButton_%1_%2").arg(page, button)));
    }

    // Shows the page and clicks the row with the mouse.
    bool clickRow(const QString &page, int row)
    {
        QTableWidget *t = table(page);
        find<QTabWidget>("tabWidget_General")->setCurrentWidget(t->parentWidget());
        w->window().show();
        if (!QTest::qWaitForWindowExposed(&w->window()))
            return false;
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {},
                          t->visualItemRect(t->item(row, 0)).center());
        return t->currentRow() == row;
    }

    ScopedWorkDir workDir;
    std::unique_ptr<WindowUnderTest> w;

private slots:
    void init() { w = std::make_unique<WindowUnderTest>(); }
    void cleanup() { w.reset(); }

    // From one row, as many presses as the limit try one row beyond it; the
    // status bar says why the last is not taken.
    void addStopsAtTheRowLimit()
    {
        MessageBoxAnswerer answerer;
        fillTables(*w, SampleTables(1).make(1, 1, 0));
        for (const auto &[page, mostRows] :
             {std::pair("485toknx_w", 512), std::pair("1byte", 256)}) {
            for (int presses = 0; presses < mostRows; ++presses)
                press(page, "add");
            QCOMPARE(table(page)->rowCount(), mostRows);
            QCOMPARE(find<QLabel>("inputFaultLabel")->text(),
                     QString("Not taken: the table holds %1 rows, the most a gateway takes.")
                         .arg(mostRows));
        }
        QCOMPARE(answerer.count(), 0);
    }

    // A record refused names the field and why; the field is marked until it
    // changes, the note until a record is taken.
    void refusedRecordSaysWhy()
    {
        addRecord(*w, lamp);
        auto *address = find<QLineEdit>("lineEdit_485toknx_w_addr");
        address->setText("9/");
        press("485toknx_w", "add");
        QCOMPARE(table("485toknx_w")->rowCount(), 1);
        const auto *note = find<QLabel>("inputFaultLabel");
        QCOMPARE(note->text(), QString("Not taken: Addr.: \"9/\" is not a group address from "
                                       "0/0/1 to 15/7/255"));
        QVERIFY(!note->isHidden() && !address->styleSheet().isEmpty());
        address->setText("9/1/1");
        QVERIFY(address->styleSheet().isEmpty());
        press("485toknx_w", "add");
        QCOMPARE(table("485toknx_w")->rowCount(), 2);
        QVERIFY(note->isHidden());
    }

    // The title shows changes not yet in a file; Quit then asks: Cancel keeps
    // the window, Discard quits. Nothing is asked without changes.
    void quitAsksForUnsavedChanges()
    {
        const QString title = w->window().windowTitle();
        const auto quitAnswering = [this](QMessageBox::StandardButton answer) {
            MessageBoxAnswerer answerer;
            answerer.answerNext(answer);
            // Kept: the loop goes on until the guard, after the question.
            QTimer guard;
            connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            guard.start(500);
            QTimer::singleShot(0, [this] { w->widget<QAction>("actionQuit_Q")->trigger(); });
            const int ended = QCoreApplication::exec();
            return std::pair(ended, answerer.texts());
        };
        QCOMPARE(quitAnswering(QMessageBox::Cancel), std::pair(0, QStringList()));
        addRecord(*w, lamp);
        QTRY_COMPARE(w->window().windowTitle(), title + "*");
        const QStringList asked{"The project has changes that are not saved."};
        QCOMPARE(quitAnswering(QMessageBox::Cancel), std::pair(1, asked));
        QVERIFY(w->window().windowTitle().endsWith("*"));
        QCOMPARE(quitAnswering(QMessageBox::Discard), std::pair(0, asked));
        press("485toknx_w", "delete");
        QTRY_COMPARE(w->window().windowTitle(), title);
    }

    // Add stores the checked record, the new row current and selected whichever
    // row was current. A clicked row fills the panel, the length box before the
    // value box: 40000 would be clamped by the "1 bit" shown before the click.
    void addThenClickRows()
    {
        addRecord(*w, lamp);
        addRecord(*w, dimmer);
        addRecord(*w, blind);
        QCOMPARE(tableRows(table("485toknx_w")),
                 Rows({{"Lamp", "01 02 03", "0a 0B", "write", "1/2/3", "2 byte", "40000"}}));
        QCOMPARE(tableRows(table("1byte")), Rows({{"Dimmer", "01 02", "03", "04 05", "06 07",
                                                   "4/5/6", "1 byte", "200", "10", "7"}}));
        QCOMPARE(tableRows(table("knxto485_w")),
                 Rows({{"Blind", "response", "56000", "7/6/5", "6 bit", "63", "aa bb"}}));
        addRecord(*w, bell);
        QTableWidget *t = table("485toknx_w");
        t->setCurrentCell(0, 0);
        press("485toknx_w", "add");
        QCOMPARE(t->currentRow(), 2);
        QCOMPARE(t->selectionModel()->selectedRows(), QModelIndexList({t->model()->index(2, 0)}));

        auto *type = find<QComboBox>("comboBox_485toknx_w_type");
        auto *value = find<QSpinBox>("spinBox_485toknx_w_value");
        QVERIFY(clickRow("485toknx_w", 0));
        QCOMPARE(find<QLineEdit>("lineEdit_485toknx_w_telegram")->text(), QString("01 02 03"));
        QCOMPARE(std::pair(type->currentText(), value->value()),
                 std::pair(QString("write"), 40000));
        QVERIFY(clickRow("485toknx_w", 1));
        QCOMPARE(std::pair(type->currentText(), value->value()), std::pair(QString("read"), 0));
        addRecord(*w, fader);
        QVERIFY(clickRow("1byte", 0));
        QCOMPARE(QList<int>({find<QSpinBox>("spinBox_1byte_min")->value(),
                             find<QSpinBox>("spinBox_1byte_max")->value(),
                             find<QSpinBox>("spinBox_1byte_interval")->value()}),
                 QList<int>({200, 10, 7}));
    }

    void updateDeleteAndClear_data()
    {
        QTest::addColumn<QString>("page");
        for (const char *page : {"485toknx_w", "1byte", "knxto485_w"})
            QTest::newRow(page) << QString(page);
    }

    void updateDeleteAndClear()
    {
        QFETCH(QString, page);
        MessageBoxAnswerer answerer;
        fillTables(*w, SampleTables(1).make(3, 3, 3));
        QTableWidget *t = table(page);
        const Rows rows = tableRows(t);

        // The panel still holds the last row; Update puts it, renamed, into the current row.
        t->setCurrentCell(1, 0);
        find<QLineEdit>(QString("lineEdit_%1_name").arg(page))->setText("X");
        press(page, "update");
        QCOMPARE(tableRows(t),
                 Rows({rows.at(0), QStringList{"X"} + rows.at(2).mid(1), rows.at(2)}));
        QCOMPARE(t->currentRow(), 1);
        press(page, "delete");
        QCOMPARE(tableRows(t), Rows({rows.at(0), rows.at(2)}));

        // Clear asks first, No the default; nothing to clear, it asks nothing.
        answerer.answerNext(QMessageBox::No);
        press(page, "clear");
        const MessageBoxAnswerer::Box box = answerer.last();
        QCOMPARE(std::tuple(box.title + ": " + box.text, box.icon, box.buttons, box.defaultButton),
                 std::tuple(QString("Clear: Clear all?"), QMessageBox::Question,
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No));
        QCOMPARE(t->rowCount(), 2);
        answerer.answerNext(QMessageBox::Yes);
        press(page, "clear");
        QCOMPARE(t->rowCount(), 0);
        press(page, "clear");
        QCOMPARE(answerer.count(), 2);
    }

    // A row read from a file may hold texts that are no item; such a panel makes no record.
    void clickedRowWithUnknownItemTexts()
    {
        const QStringList cells = {"U", "Write", "1200", "1/2/3", "16 bit", "3", "01"};
        showRows(table("knxto485_w"), {cells});
        w->select("comboBox_knxto485_w_length", "2 byte");
        auto *value = find<QSpinBox>("spinBox_knxto485_w_value");
        value->setValue(500);
        QVERIFY(clickRow("knxto485_w", 0));
        QCOMPARE(QList<int>({find<QComboBox>("comboBox_knxto485_w_length")->currentIndex(),
                             find<QComboBox>("comboBox_knxto485_w_type")->currentIndex(),
                             find<QComboBox>("comboBox_knxto485_w_baudrate")->currentIndex(),
                             value->minimum(), value->maximum()}),
                 QList<int>({-1, -1, -1, 0, 1}));
        press("knxto485_w", "update");
        press("knxto485_w", "add");
        QCOMPARE(tableRows(table("knxto485_w")), Rows{cells});
    }

    // Each field refuses a keystroke that its rule cannot complete.
    void fieldsRefuseTypedInput()
    {
        const QStringList telegrams = {"lineEdit_485toknx_w_telegram", "lineEdit_1byte_telegram1",
                                       "lineEdit_1byte_telegram2", "lineEdit_knxto485_w_telegram"};
        const QStringList acks = {"lineEdit_485toknx_w_ack", "lineEdit_1byte_ack1",
                                  "lineEdit_1byte_ack2"};
        const QStringList addresses = {"lineEdit_485toknx_w_addr", "lineEdit_1byte_addr",
                                       "lineEdit_knxto485_w_addr"};
        const QString bytes64 = QString("ab-").repeated(63) + "ab";
        const QString bytes32 = QString("cd ").repeated(31) + "cd";
        using Typing = std::tuple<QStringList, QString, QString>; // fields, typed, held
        for (const auto &[fields, typed, held] :
             {Typing{telegrams, bytes64 + " 40", bytes64}, Typing{acks, bytes32 + "-2", bytes32},
              Typing{addresses, "16/0/0", "1/0/0"}, Typing{addresses, "1.2/256", "1.2/25"},
              Typing{telegrams, "0g1 2", "01 2"}}) {
            for (const QString &field : fields) {
                find<QLineEdit>(field)->clear();
                QTest::keyClicks(find<QLineEdit>(field), typed);
                QCOMPARE(find<QLineEdit>(field)->text(), held);
            }
        }

        // Beside the address 1.2/25, the incomplete telegram "01 2" makes no record until complete.
        press("485toknx_w", "add");
        QCOMPARE(table("485toknx_w")->rowCount(), 0);
        QTest::keyClicks(find<QLineEdit>("lineEdit_485toknx_w_telegram"), "3");
        press("485toknx_w", "add");
        QCOMPARE(table("485toknx_w")->rowCount(), 1);
    }
};

QTEST_MAIN(TestTableEditing)
#include "tst_tableediting.moc"
