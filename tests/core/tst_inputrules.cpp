#include "inputrules.h"

#include <QRegularExpressionValidator>
#include <QTest>

namespace {
QString hexBytes(int n)
{
    QStringList bytes;
    for (int i = 0; i < n; ++i)
        bytes << QString::asprintf("%02x", i);
    return bytes.join('-');
}

QString patternOf(const QString &rule)
{
    if (rule == "telegram")
        return telegramInputPattern();
    if (rule == "ack")
        return ackInputPattern();
    return groupAddressInputPattern();
}
} // namespace

class TestInputRules : public QObject
{
    Q_OBJECT

private slots:
    // What a field with the rule lets the user type: Invalid texts are refused,
    // Intermediate ones held but not yet complete.
    void validation_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QValidator::State>("state");
        const auto row = [](const char *name, const char *rule, const QString &text,
                            QValidator::State state) {
            QTest::newRow(name) << QString(rule) << text << state;
        };
        const auto invalid = QValidator::Invalid, partial = QValidator::Intermediate,
                   acceptable = QValidator::Acceptable;

        row("empty telegram", "telegram", "", partial);
        row("one digit", "telegram", "0", partial);
        row("one byte", "telegram", "01", acceptable);
        row("trailing blank", "telegram", "01 ", partial);
        row("single last digit", "telegram", "01-0", partial);
        row("either separator", "telegram", "01-a2 FF", acceptable);
        row("not hex", "telegram", "0g", invalid);
        row("three digits", "telegram", "012", invalid);
        row("double separator", "telegram", "01 -", invalid);
        row("point separator", "telegram", "01.", invalid);
        row("64 bytes", "telegram", hexBytes(64), acceptable);
        row("65th byte separator", "telegram", hexBytes(64) + " ", invalid);
        row("65th byte", "telegram", hexBytes(64) + "-4", invalid);
        row("33 bytes in a telegram", "telegram", hexBytes(33), acceptable);

        row("empty ack", "ack", "", partial);
        row("32 bytes", "ack", hexBytes(32), acceptable);
        row("33rd byte digit", "ack", hexBytes(32) + " 2", invalid);
        row("33rd byte separator", "ack", hexBytes(32) + "-", invalid);
        row("32nd byte started", "ack", hexBytes(31) + " 1", partial);

        row("slashes", "address", "1/2/3", acceptable);
        row("points", "address", "1.2.3", acceptable);
        row("mixed separators", "address", "1.2/3", acceptable);
        row("highest", "address", "15/7/255", acceptable);
        row("0/0/0 is typable", "address", "0/0/0", acceptable);
        row("main only", "address", "1", partial);
        row("missing sub", "address", "1/2/", partial);
        row("sub 25", "address", "1/2/25", acceptable);
        row("main 16", "address", "16", invalid);
        row("middle 8", "address", "1/8", invalid);
        row("sub 256", "address", "1/2/256", invalid);
        row("main leading zero", "address", "01", invalid);
        row("sub leading zero", "address", "1/2/05", invalid);
        row("colon", "address", "1:", invalid);
        row("fourth part", "address", "1/2/3/", invalid);
        row("non-ASCII digit", "address", QString::fromUtf8("1/2/\u0663"), invalid);
    }

    void validation()
    {
        QFETCH(QString, rule);
        QFETCH(QString, text);
        QFETCH(QValidator::State, state);
        QRegularExpressionValidator validator{QRegularExpression(patternOf(rule))};
        int position = text.size();
        QCOMPARE(validator.validate(text, position), state);
    }

    // The record checks match whole texts with these patterns; each text
    // holds a match but is none.
    void patternsAreAnchored_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("telegram, prefix") << telegramInputPattern() << "x01 02";
        QTest::newRow("telegram, suffix") << telegramInputPattern() << "01 02x";
        QTest::newRow("ack, suffix") << ackInputPattern() << "01 0";
        QTest::newRow("address, prefix") << groupAddressInputPattern() << "x1/2/3";
        QTest::newRow("address, suffix") << groupAddressInputPattern() << "1/2/3x";
        QTest::newRow("cell address, main") << groupAddressCellPattern() << "111/2/3";
        QTest::newRow("cell address, sub") << groupAddressCellPattern() << "1/2/2555";
        QTest::newRow("cell address, points") << groupAddressCellPattern() << "1.2.3";
    }

    void patternsAreAnchored()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        const QRegularExpression expression(pattern);
        QVERIFY(expression.isValid());
        QVERIFY(!expression.match(text).hasMatch());
    }
};

QTEST_GUILESS_MAIN(TestInputRules)
#include "tst_inputrules.moc"
