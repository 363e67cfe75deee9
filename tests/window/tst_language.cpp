#include "detachedstart.h"
#include "languagesetting.h"
#include "mainwindow.h"
#include "messageboxanswerer.h"
#include "scopedworkdir.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {
const QString englishTitle = "RS485 Conifguration V1.1.3";
const QString chineseTitle = QString::fromUtf8("RS485 配置软件 V1.1.3");

// Starts the window as the program does: language first, then the window.
struct StartedWindow
{
    StartedWindow()
    {
        installLanguage(translator);
        window = std::make_unique<MainWindow>();
    }
    ~StartedWindow() { QCoreApplication::removeTranslator(&translator); }

    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }

    QTranslator translator;
    std::unique_ptr<MainWindow> window;
};

QByteArray languageFile(const QByteArray &value)
{
    return "[GeneralSettings]\nlanguage=" + value + "\n";
}

// Runs the application's event loop, as main does, with the action as its
// first event; gives the loop's result, or 1 when it does not end in 5 s.
int runApplicationLoop(const std::function<void()> &action)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QTimer::singleShot(0, action);
    return QCoreApplication::exec();
}
} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setDetachedStarter({}); }

    void firstStartIsEnglishAndWritesNothing()
    {
        ScopedWorkDir dir;
        StartedWindow started;
        QCOMPARE(started.window->windowTitle(), englishTitle);
        QVERIFY(!started.action("actionEnglish_E")->isEnabled());
        QVERIFY(started.action("actionChinese_C")->isEnabled());
        QVERIFY(!QFile::exists(dir.filePath("config.ini")));
    }

    void storedLanguage_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("title");
        QTest::newRow("0 is Chinese") << QByteArray("0") << chineseTitle;
        QTest::newRow("text is Chinese") << QByteArray("zh") << chineseTitle;
        QTest::newRow("1 is English") << QByteArray("1") << englishTitle;
        QTest::newRow("7 is English") << QByteArray("7") << englishTitle;
    }

    void storedLanguage()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, title);
        ScopedWorkDir dir;
        QVERIFY(dir.write("config.ini", languageFile(value)));
        StartedWindow started;
        QCOMPARE(started.window->windowTitle(), title);
        const bool chinese = title == chineseTitle;
        QCOMPARE(started.action("actionChinese_C")->isEnabled(), !chinese);
        QCOMPARE(started.action("actionEnglish_E")->isEnabled(), chinese);
    }

    void workingDirectoryFileWins()
    {
        const QString besideProgram = QCoreApplication::applicationDirPath() + "/config.ini";
        QVERIFY(!QFile::exists(besideProgram));
        QFile beside(besideProgram);
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.write(languageFile("1"));
        beside.close();

        ScopedWorkDir dir;
        QVERIFY(dir.write("config.ini", languageFile("0")));
        StartedWindow started;
        QFile::remove(besideProgram);
        QCOMPARE(started.window->windowTitle(), chineseTitle);
    }

    void choosingChineseThenCancelOnlyWritesTheSetting()
    {
        ScopedWorkDir dir;
        StartedWindow started;
        int starts = 0;
        setDetachedStarter([&](const QString &, const QStringList &) { return ++starts > 0; });

        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        started.action("actionChinese_C")->trigger();

        QCOMPARE(answerer.count(), 1);
        const MessageBoxAnswerer::Box box = answerer.last();
        QCOMPARE(box.title, QString("Restart"));
        QCOMPARE(box.text, QString("Restart now?"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);

        QSettings settings(dir.filePath("config.ini"), QSettings::IniFormat);
        QCOMPARE(settings.value("GeneralSettings/language").toString(), QString("0"));
        QCOMPARE(starts, 0);
        QCOMPARE(started.window->windowTitle(), englishTitle);
        QVERIFY(started.action("actionChinese_C")->isEnabled());
        QVERIFY(!started.action("actionEnglish_E")->isEnabled());
    }

    void answeringOkEndsTheLoopAndStartsTheProgramAgain_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Chinese") << QByteArray("1") << QByteArray("actionChinese_C")
                                 << QString("0");
        QTest::newRow("English") << QByteArray("0") << QByteArray("actionEnglish_E")
                                 << QString("1");
    }

    void answeringOkEndsTheLoopAndStartsTheProgramAgain()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, action);
        QFETCH(QString, stored);
        ScopedWorkDir dir;
        QVERIFY(dir.write("config.ini", languageFile(before)));
        StartedWindow started;
        QStringList startedPrograms;
        QList<QStringList> startedArguments;
        setDetachedStarter([&](const QString &program, const QStringList &arguments) {
            startedPrograms << program;
            startedArguments << arguments;
            return true;
        });

        MessageBoxAnswerer answerer(QMessageBox::Ok);
        QCOMPARE(runApplicationLoop([&] { started.action(action)->trigger(); }), 0);

        QCOMPARE(answerer.count(), 1);
        QCOMPARE(startedPrograms, QStringList{QCoreApplication::applicationFilePath()});
        QCOMPARE(startedArguments.value(0), QStringList());
        QSettings settings(dir.filePath("config.ini"), QSettings::IniFormat);
        QCOMPARE(settings.value("GeneralSettings/language").toString(), stored);
    }

    void quitEndsTheLoop()
    {
        ScopedWorkDir dir;
        StartedWindow started;
        QCOMPARE(runApplicationLoop([&] { started.action("actionQuit_Q")->trigger(); }), 0);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
