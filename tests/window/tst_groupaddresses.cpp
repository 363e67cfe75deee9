#include "groupaddressfiles.h"
#include "scopedworkdir.h"
#include "tablefilling.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {
using Rows = QList<QStringList>;
} // namespace

class TestGroupAddresses : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> w;
    std::unique_ptr<MessageBoxAnswerer> answerer;

    QLineEdit *field(const QString &name) const
    {
        return w->widget<QLineEdit>(qPrintable("lineEdit_" + name));
    }
    QString length(const QString &page) const
    {
        return w->widget<QComboBox>(qPrintable("comboBox_" + page + "_length"))->currentText();
    }
    QTableWidget *table() const { return w->widget<QTableWidget>("tableWidget_485toknx_w"); }

    // Types into the page's address field and chooses the listed entry of
    // that row with the keyboard; what was listed.
    QStringList complete(const QString &page, const QString &typed, int chosen)
    {
        QLineEdit *address = field(page + "_addr");
        address->clear();
        QTest::keyClicks(address, typed);
        const QListWidget *list = address->findChild<QListWidget *>("addressCompletions");
        if (!list->isVisible())
            return {};
        QStringList listed;
        for (int row = 0; row < list->count(); ++row)
            listed << list->item(row)->text();
        for (int row = 0; row <= chosen; ++row)
            QTest::keyClick(address, Qt::Key_Down);
        QTest::keyClick(address, Qt::Key_Return);
        return listed;
    }

    // The tooltip of each Addr. cell of the 485-to-KNX table, "[marked]" after a marked one.
    QStringList hints() const
    {
        QStringList hints;
        for (int row = 0; row < table()->rowCount(); ++row) {
            const QTableWidgetItem *address = table()->item(row, 4);
            hints << address->toolTip() + (address->icon().isNull() ? "" : " [marked]");
        }
        return hints;
    }

private slots:
    void init()
    {
        w = std::make_unique<WindowUnderTest>();
        answerer = std::make_unique<MessageBoxAnswerer>();
    }
    void cleanup() { answerer.reset(), w.reset(); }

    // Letters search only an address book. A chosen entry fills the address,
    // a name that is empty or came with the entry chosen before, and a length
    // box that is not fixed; the value box takes the value in the terms of
    // the entry's datapoint type. A click beside the list reaches its widget.
    void completionFillsTheEditors()
    {
        QTest::keyClicks(field("485toknx_w_addr"), "ceil");
        QCOMPARE(field("485toknx_w_addr")->text(), QString());
        importGroupAddresses(*w, *answerer);
        const MessageBoxAnswerer::Box box = answerer->last();
        QCOMPARE(std::tuple(box.title, box.text, box.icon),
                 std::tuple(QString("Group addresses"),
                            QString("Group addresses read: 2\nMiddle groups: 1"),
                            QMessageBox::Information));
        w->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w->window()));

        w->select("comboBox_485toknx_w_length", "2 byte");
        const QString light = "1/2/3  Ceiling light (DPST-1-1)  [Lighting / Ground floor]";
        const QString dimmer = "1/2/4  Dimmer (DPT-5)  [Lighting / Ground floor]";
        QCOMPARE(complete("485toknx_w", "CEIL", 0), QStringList{light});
        QCOMPARE(QStringList({field("485toknx_w_addr")->text(), field("485toknx_w_name")->text(),
                              length("485toknx_w")}),
                 QStringList({"1/2/3", "Ceiling light", "1 bit"}));
        auto *value = w->widget<QSpinBox>("spinBox_485toknx_w_value");
        value->selectAll();
        QTest::keyClicks(value, "on");
        QVERIFY(value->hasAcceptableInput());
        value->interpretText();
        QCOMPARE(std::pair(value->value(), value->text()), std::pair(1, QString("On")));
        QCOMPARE(w->widget<QLabel>("label_485toknx_w_sent")->text(), QString("sends 1"));
        QVERIFY(!w->widget("label_485toknx_w_sent")->isHidden());

        field("knxto485_w_name")->setText("Mine");
        QCOMPARE(complete("knxto485_w", "1.2", 1), QStringList({light, dimmer}));
        QCOMPARE(QStringList({field("knxto485_w_addr")->text(), field("knxto485_w_name")->text(),
                              length("knxto485_w")}),
                 QStringList({"1/2/4", "Mine", "1 byte"}));

        // The main group "Lighting" matches too.
        QCOMPARE(complete("1byte", "light", 0), QStringList({light, dimmer}));
        QCOMPARE(complete("1byte", "dim", 0), QStringList({dimmer}));
        QCOMPARE(QStringList(
                     {field("1byte_addr")->text(), field("1byte_name")->text(), length("1byte")}),
                 QStringList({"1/2/4", "Dimmer", "1 byte"}));
        QCOMPARE(complete("1byte", "1/3", 0), QStringList());

        // The list open, a click on Min goes to Min, and so do the keys after it.
        auto *minimum = w->widget<QSpinBox>("spinBox_1byte_min");
        w->widget<QTabWidget>("tabWidget_General")
            ->setCurrentWidget(w->widget("tableWidget_1byte")->parentWidget());
        QLineEdit *address = field("1byte_addr");
        address->clear();
        QTest::keyClicks(address, "1/2");
        const QListWidget *list = address->findChild<QListWidget *>("addressCompletions");
        QVERIFY(list->isVisible() &&
                list->geometry().top() >= address->mapToGlobal(QPoint(0, address->height())).y());
        QTest::mouseClick(w->window().windowHandle(), Qt::LeftButton, {},
                          minimum->mapTo(&w->window(), minimum->rect().center()));
        QVERIFY(!list->isVisible());
        QVERIFY(minimum->hasFocus());
        QCOMPARE(address->text(), QString("1/2"));

        // A file that is no export leaves the book as it was; another export replaces it.
        importGroupAddresses(*w, *answerer, "Name;Addr\nHall;2/1/1\n");
        QCOMPARE(std::pair(answerer->last().title, answerer->last().icon),
                 std::pair(QString("ERROR"), QMessageBox::Critical));
        QVERIFY(answerer->last().text.startsWith("No ETS group address export was recognised"));
        QCOMPARE(groupAddressRows(*w).size(), 2);
        importGroupAddresses(*w, *answerer, "Group name,Address\nHall,2/1/1\n");
        QCOMPARE(groupAddressRows(*w), Rows({{"2/1/1", "Hall", "", "", "", "", ""}}));
    }

    // Marks follow the rows and the book, whichever way they change, and
    // leave every cell text as it was; the view lists where each address is used.
    void marksFollowRowsAndBook()
    {
        addRecord(*w, Tele485ToKnxW{"A", "01", "", "write", "1/2/3", "1 bit", "1"});
        addRecord(*w, Tele485ToKnxW{"B", "02", "", "write", "1/2/4", "1 bit", "1"});
        addRecord(*w, Tele485ToKnxW{"C", "03", "", "write", "5/5/5", "2 byte", "7"});
        const Rows rows = tableRows(table());
        QCOMPARE(hints(), QStringList({"", "", ""}));

        importGroupAddresses(*w, *answerer);
        const QString dimmer = "Dimmer (DPT-5)\nIts datapoint type needs the length 1 byte.";
        const QStringList marked = {"Ceiling light (DPST-1-1)", dimmer + " [marked]",
                                    "Not in the imported group addresses [marked]"};
        QCOMPARE(hints(), marked);
        QCOMPARE(tableRows(table()), rows);
        QCOMPARE(groupAddressRows(*w), Rows({{"1/2/3", "Ceiling light", "Lighting", "Ground floor",
                                              "DPST-1-1", "", "485 to KNX: 1"},
                                             {"1/2/4", "Dimmer", "Lighting", "Ground floor",
                                              "DPT-5", "", "485 to KNX: 2"}}));
        w->widget<QAction>("actionGroupAddresses")->trigger();
        auto *view = w->widget<QDialog>("groupAddressesDialog");
        QTest::keyClicks(view->findChild<QLineEdit *>("lineEditGroupAddressSearch"), "dim");
        const auto *list = view->findChild<QTableWidget *>("tableWidgetGroupAddresses");
        QCOMPARE(std::pair(list->isRowHidden(0), list->isRowHidden(1)), std::pair(true, false));
        delete view;

        // The panel holds row C; given the dimmer's address it updates row B.
        table()->setCurrentCell(1, 0);
        field("485toknx_w_addr")->setText("1/2/4");
        w->select("comboBox_485toknx_w_length", "1 byte");
        w->click("pushButton_485toknx_w_update");
        QCOMPARE(hints().at(1), QString("Dimmer (DPT-5)"));
        w->click("pushButton_485toknx_w_delete");
        const QStringList kept = {marked.at(0), marked.at(2)};
        QCOMPARE(hints(), kept);

        // Close forgets the book; a project import brings it back with the rows.
        ScopedWorkDir dir;
        answerer->answerFileDialog(dir.filePath("project.db"));
        w->widget<QAction>("actionExport_E")->trigger();
        w->widget<QAction>("actionClose_C")->trigger();
        QCOMPARE(groupAddressRows(*w), Rows());
        addRecord(*w, Tele485ToKnxW{"D", "04", "", "write", "5/5/5", "2 byte", "7"});
        QCOMPARE(hints(), QStringList{""});
        answerer->answerFileDialog(dir.filePath("project.db"));
        w->widget<QAction>("actionImport_I")->trigger();
        QCOMPARE(hints(), kept);
    }
};

QTEST_MAIN(TestGroupAddresses)
#include "tst_groupaddresses.moc"
