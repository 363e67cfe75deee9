#include "detachedstart.h"
#include "itemtexts.h"
#include "languagesetting.h"
#include "mainwindow.h"
#include "messageboxanswerer.h"
#include "scopedworkdir.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {
const QString englishTitle = "RS485 Conifguration V1.1.3";
const QString chineseTitle = QString::fromUtf8("RS485 配置软件 V1.1.3");

// The window started as the program starts it: the language first.
struct StartedWindow
{
    StartedWindow()
    {
        installLanguage(translator);
        window = std::make_unique<MainWindow>();
    }
    ~StartedWindow() { QCoreApplication::removeTranslator(&translator); }

    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    bool chineseActionEnabled() const { return action("actionChinese_C")->isEnabled(); }

    QTranslator translator;
    std::unique_ptr<MainWindow> window;
};

QByteArray languageFile(const QByteArray &value)
{
    return "[GeneralSettings]\nlanguage=" + value + "\n";
}

QString storedLanguage(const ScopedWorkDir &dir)
{
    return QSettings(dir.filePath("config.ini"), QSettings::IniFormat)
        .value("GeneralSettings/language")
        .toString();
}
} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setDetachedStarter({}); }

    void startingLanguage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("no file") << QByteArray() << englishTitle;
        QTest::newRow("0") << languageFile("0") << chineseTitle;
        QTest::newRow("not a number") << languageFile("zh") << chineseTitle;
        QTest::newRow("1") << languageFile("1") << englishTitle;
    }

    void startingLanguage()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, title);
        ScopedWorkDir dir;
        if (!file.isEmpty())
            QVERIFY(dir.write("config.ini", file));
        StartedWindow started;
        QCOMPARE(started.window->windowTitle(), title);
        const bool chinese = title == chineseTitle;
        QCOMPARE(started.chineseActionEnabled(), !chinese);
        QCOMPARE(started.action("actionEnglish_E")->isEnabled(), chinese);
        QCOMPARE(QFile::exists(dir.filePath("config.ini")), !file.isEmpty());
    }

    void chineseThenCancelOnlyWritesTheSetting()
    {
        ScopedWorkDir dir;
        StartedWindow started;
        int starts = 0;
        setDetachedStarter([&](const QString &, const QStringList &) { return ++starts > 0; });
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        started.action("actionChinese_C")->trigger();
        QCOMPARE(answerer.texts(), QStringList{"Restart now?"});
        QCOMPARE(answerer.last().title, QString("Restart"));
        QCOMPARE(answerer.last().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(storedLanguage(dir), QString("0"));
        QCOMPARE(starts, 0);
        QCOMPARE(started.window->windowTitle(), englishTitle);
        QVERIFY(started.chineseActionEnabled());

        // Where config.ini cannot be written the user's file keeps the setting,
        // as a box says once; where neither can, nothing is kept and no
        // restart is offered.
        QStandardPaths::setTestModeEnabled(true);
        const QString user = userSettingsFile(), userDirectory = QFileInfo(user).path();
        QFile::remove(user);
        QVERIFY(QFile::remove(dir.filePath("config.ini")) && QDir(dir.path()).mkdir("config.ini"));
        started.action("actionChinese_C")->trigger();
        QCOMPARE(answerer.texts().mid(1),
                 QStringList({dir.filePath("config.ini") +
                                  " cannot be written: the settings are kept in " + user + ".",
                              "Restart now?"}));
        QCOMPARE(readLanguageSetting(), int(LanguageChinese));
        QVERIFY(QFile::remove(user) && QDir().rmdir(userDirectory));
        QFile blocking(userDirectory);
        QVERIFY(blocking.open(QIODevice::WriteOnly));
        started.action("actionChinese_C")->trigger();
        QCOMPARE(answerer.count(), 4);
        QCOMPARE(answerer.last().title + ": " + answerer.last().text,
                 "ERROR: The settings cannot be saved: neither " + dir.filePath("config.ini") +
                     " nor " + user + " can be written.");
        QVERIFY(blocking.remove());
    }

    // OK ends the event loop as main runs it and starts the program detached.
    void okEndsTheLoopAndStartsTheProgramAgain()
    {
        ScopedWorkDir dir;
        QVERIFY(dir.write("config.ini", languageFile("0")));
        StartedWindow started;
        QList<QStringList> startedPrograms;
        setDetachedStarter([&](const QString &program, const QStringList &arguments) {
            startedPrograms << (QStringList{program} + arguments);
            return true;
        });
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QTimer::singleShot(0, [&] { started.action("actionEnglish_E")->trigger(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(startedPrograms, QList<QStringList>{{QCoreApplication::applicationFilePath()}});
        QCOMPARE(storedLanguage(dir), QString("1"));
    }

    // At its start-up size the window fits a 1366 x 768 screen with a task
    // bar and shows its whole form, with at least 8 lines of received text;
    // more height goes to the tabs and the receive area both. No box cuts off
    // its value, even at the widest range of a value box.
    void startUpLayout_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("English") << QByteArray();
        QTest::newRow("Chinese") << languageFile("0");
    }

    void startUpLayout()
    {
        QFETCH(QByteArray, file);
        ScopedWorkDir dir;
        QVERIFY(file.isEmpty() || dir.write("config.ini", file));
        StartedWindow started;
        MainWindow &window = *started.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(window.width() <= 1024 && window.height() <= 700,
                 qPrintable(QString("%1 x %2").arg(window.width()).arg(window.height())));

        const auto *area = window.findChild<QAbstractScrollArea *>("textEditRecv");
        const int textHeight = area->viewport()->height() - 2 * 4; // less the margins
        QVERIFY2(textHeight / area->fontMetrics().lineSpacing() >= 8,
                 qPrintable(QString("%1 pixels").arg(textHeight)));

        for (const char *length : {"comboBox_485toknx_w_length", "comboBox_knxto485_w_length"})
            window.findChild<QComboBox *>(length)->setCurrentIndex(5); // "2 byte", up to 65535
        // The names of the widgets that lie partly outside their parent, and of
        // the boxes narrower or lower than their value needs.
        const auto misfits = [&window] {
            QStringList names;
            for (const QWidget *shown : window.findChildren<QWidget *>()) {
                if (!shown->isVisibleTo(&window) || shown->isWindow())
                    continue;
                const bool box = (qobject_cast<const QSpinBox *>(shown) ||
                                  qobject_cast<const QComboBox *>(shown)) &&
                                 shown->objectName() != "comboBoxComm"; // its popup shows all
                if (!shown->parentWidget()->rect().contains(shown->geometry()) ||
                    (box && (shown->width() < shown->sizeHint().width() ||
                             shown->height() < shown->sizeHint().height())))
                    names << shown->objectName();
            }
            return names;
        };
        auto *tabs = window.findChild<QTabWidget *>("tabWidget_General");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QTRY_COMPARE(misfits(), QStringList());
            // Every column in sight, without a scroll bar across.
            if (const auto *table = tabs->currentWidget()->findChild<QTableView *>())
                QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
        }
        QVERIFY2(window.height() <= 700, qPrintable(QString::number(window.height())));

        // The site link shows whole; long notes in the status bar make the window no wider.
        const auto *site = window.findChild<QLabel *>("siteLabel");
        QTRY_VERIFY(site->width() >= site->sizeHint().width());
        const QSize size = window.size();
        window.findChild<QLineEdit *>("lineEdit_485toknx_w_telegram")->setText("1");
        window.findChild<QPushButton *>("pushButton_485toknx_w_add")->click();
        MessageBoxAnswerer answerer;
        answerer.answerFileDialog(dir.filePath(QString("capture-").repeated(20) + ".txt"));
        window.findChild<QAction *>("actionCaptureToFile")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(window.size(), size);

        const int tabsHeight = tabs->height(), areaHeight = area->height();
        window.resize(window.width(), window.height() + 100);
        QTRY_VERIFY(tabs->height() > tabsHeight && area->height() > areaHeight);
    }

    // Other code selects items by index: their order is binding, and holds in
    // both languages; only "OFF" reads differently.
    void comboBoxItemsInBothLanguages()
    {
        ScopedWorkDir dir;
        QTranslator catalogue;
        QVERIFY(catalogue.load(":/tr_SC.qm"));
        QMap<QString, QStringList> english;
        auto collect = [](const MainWindow &window) {
            QMap<QString, QStringList> boxes;
            for (const QComboBox *box : window.centralWidget()->findChildren<QComboBox *>())
                for (int i = 0; i < box->count(); ++i)
                    boxes[box->objectName()] << box->itemText(i);
            return boxes;
        };
        english = collect(MainWindow());
        const QList<std::pair<const char *, QStringList>> bound = {
            {"comboBoxBaudRate_set", baudRateTexts()},
            {"comboBox_knxto485_w_baudrate", baudRateTexts()},
            {"comboBoxStopBit_set", {"1", "1.5", "2"}},
            {"comboBoxParity_set", {"None", "ODD", "EVEN"}},
            {"comboBox_485toknx_w_type", type485ToKnxTexts()},
            {"comboBox_knxto485_w_type", typeKnxTo485Texts()},
            {"comboBox_1byte_length", lengthTexts()}};
        for (const auto &[box, items] : bound)
            QCOMPARE(english.value(box), items);
        QCoreApplication::installTranslator(&catalogue);
        const QMap<QString, QStringList> chinese = collect(MainWindow());
        QCoreApplication::removeTranslator(&catalogue);
        for (auto it = english.begin(); it != english.end(); ++it)
            QCOMPARE(chinese.value(it.key()),
                     it.value().replaceInStrings(QRegularExpression("^OFF$"), "关"));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
