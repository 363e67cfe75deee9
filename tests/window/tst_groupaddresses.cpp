#include "groupaddressfiles.h"
#include "scopedworkdir.h"
#include "tablefilling.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
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
        QAbstractItemView *popup = address->findChild<QCompleter *>()->popup();
        if (!popup->isVisible())
            return {};
        QStringList listed;
        for (int row = 0; row < popup->model()->rowCount(); ++row)
            listed << popup->model()->index(row, 0).data().toString();
        popup->setCurrentIndex(popup->model()->index(chosen, 0));
        QTest::keyClick(popup, Qt::Key_Return);
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
    // an empty name and a length box that is not fixed.
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
        QCOMPARE(complete("485toknx_w", "CEIL", 0), QStringList{"1/2/3  Ceiling light (DPST-1-1)"});
        QCOMPARE(QStringList({field("485toknx_w_addr")->text(), field("485toknx_w_name")->text(),
                              length("485toknx_w")}),
                 QStringList({"1/2/3", "Ceiling light", "1 bit"}));

        field("knxto485_w_name")->setText("Mine");
        QCOMPARE(complete("knxto485_w", "1.2", 1),
                 QStringList({"1/2/3  Ceiling light (DPST-1-1)", "1/2/4  Dimmer (DPT-5)"}));
        QCOMPARE(QStringList({field("knxto485_w_addr")->text(), field("knxto485_w_name")->text(),
                              length("knxto485_w")}),
                 QStringList({"1/2/4", "Mine", "1 byte"}));

        // The main group "Lighting" matches too.
        QCOMPARE(complete("1byte", "light", 0),
                 QStringList({"1/2/3  Ceiling light (DPST-1-1)", "1/2/4  Dimmer (DPT-5)"}));
        QCOMPARE(QStringList(
                     {field("1byte_addr")->text(), field("1byte_name")->text(), length("1byte")}),
                 QStringList({"1/2/3", "Ceiling light", "1 byte"}));
        QCOMPARE(complete("1byte", "1/3", 0), QStringList());

        // A file that is no export leaves the book as it was; another export replaces it.
        importGroupAddresses(*w, *answerer, "Name;Addr\nHall;2/1/1\n");
        QCOMPARE(std::pair(answerer->last().title, answerer->last().icon),
                 std::pair(QString("ERROR"), QMessageBox::Critical));
        QVERIFY(answerer->last().text.startsWith("No header line"));
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
