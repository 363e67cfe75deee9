#include "languagesetting.h"
#include "scopedworkdir.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

class TestLanguageSetting : public QObject
{
    Q_OBJECT

private slots:
    void missingFileReadsEnglishAndCreatesNothing()
    {
        ScopedWorkDir dir;
        QCOMPARE(readLanguageSetting(), int(LanguageEnglish));
        QVERIFY(!QFile::exists(dir.filePath("config.ini")));
    }

    void storedValue_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("expected");
        QTest::newRow("chinese") << QByteArray("[GeneralSettings]\nlanguage=0\n") << 0;
        QTest::newRow("english") << QByteArray("[GeneralSettings]\nlanguage=1\n") << 1;
        QTest::newRow("other number") << QByteArray("[GeneralSettings]\nlanguage=7\n") << 7;
        QTest::newRow("not a number") << QByteArray("[GeneralSettings]\nlanguage=abc\n") << 0;
        QTest::newRow("key missing") << QByteArray("[GeneralSettings]\nother=0\n") << 1;
        QTest::newRow("other section") << QByteArray("[Other]\nlanguage=0\n") << 1;
        QTest::newRow("empty file") << QByteArray() << 1;
    }

    void storedValue()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, expected);
        ScopedWorkDir dir;
        QVERIFY(dir.write("config.ini", contents));
        QCOMPARE(readLanguageSetting(), expected);
    }

    void writeThenReadBack()
    {
        ScopedWorkDir dir;
        writeLanguageSetting(LanguageChinese);
        QFile file(dir.filePath("config.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().trimmed(), QByteArray("[GeneralSettings]\nlanguage=0"));
        writeLanguageSetting(LanguageEnglish);
        QCOMPARE(readLanguageSetting(), int(LanguageEnglish));
    }

    // The file of the working directory counts, not one beside the program.
    void workingDirectoryWinsOverProgramDirectory()
    {
        const QString besideProgram = QCoreApplication::applicationDirPath() + "/config.ini";
        QVERIFY(!QFile::exists(besideProgram));
        QFile beside(besideProgram);
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.write("[GeneralSettings]\nlanguage=1\n");
        beside.close();

        ScopedWorkDir dir;
        QVERIFY(dir.write("config.ini", "[GeneralSettings]\nlanguage=0\n"));
        const int language = readLanguageSetting();
        QFile::remove(besideProgram);
        QCOMPARE(language, int(LanguageChinese));
    }
};

QTEST_GUILESS_MAIN(TestLanguageSetting)
#include "tst_languagesetting.moc"
