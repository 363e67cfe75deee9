#include "tabletitles.h"

#include <QCoreApplication>

#include <array>
#include <vector>

namespace {
struct Titles
{
    const char *table;
    std::vector<const char *> columns;
};

// The same texts as the window's tabs and table headers, so they share one translation.
const Titles &titlesOf(TelegramTable table)
{
    static const std::array<Titles, 3> titles = {{
        {QT_TRANSLATE_NOOP("MainWindow", "485 to KNX"),
         {QT_TRANSLATE_NOOP("MainWindow", "Name"), QT_TRANSLATE_NOOP("MainWindow", "Telegram"),
          QT_TRANSLATE_NOOP("MainWindow", "Ack"), QT_TRANSLATE_NOOP("MainWindow", "Type"),
          QT_TRANSLATE_NOOP("MainWindow", "Addr."), QT_TRANSLATE_NOOP("MainWindow", "Length"),
          QT_TRANSLATE_NOOP("MainWindow", "Value")}},
        {QT_TRANSLATE_NOOP("MainWindow", "485 to KNX(1 Byte)"),
         {QT_TRANSLATE_NOOP("MainWindow", "Name"), QT_TRANSLATE_NOOP("MainWindow", "Telegram(+)"),
          QT_TRANSLATE_NOOP("MainWindow", "Ack(+)"), QT_TRANSLATE_NOOP("MainWindow", "Telegram(-)"),
          QT_TRANSLATE_NOOP("MainWindow", "Ack(-)"), QT_TRANSLATE_NOOP("MainWindow", "Addr."),
          QT_TRANSLATE_NOOP("MainWindow", "Length"), QT_TRANSLATE_NOOP("MainWindow", "Min"),
          QT_TRANSLATE_NOOP("MainWindow", "Max"), QT_TRANSLATE_NOOP("MainWindow", "Interval")}},
        {QT_TRANSLATE_NOOP("MainWindow", "KNX to 485"),
         {QT_TRANSLATE_NOOP("MainWindow", "Name"), QT_TRANSLATE_NOOP("MainWindow", "Tyte"),
          QT_TRANSLATE_NOOP("MainWindow", "Baud Rate"), QT_TRANSLATE_NOOP("MainWindow", "Addr."),
          QT_TRANSLATE_NOOP("MainWindow", "Length"), QT_TRANSLATE_NOOP("MainWindow", "Value"),
          QT_TRANSLATE_NOOP("MainWindow", "Telegram")}},
    }};
    return titles.at(size_t(table));
}

QString titleText(const char *text, TitleLanguage language)
{
    return language == TitleLanguage::English ? QString::fromLatin1(text)
                                              : QCoreApplication::translate("MainWindow", text);
}
} // namespace

QString tableTitle(TelegramTable table, TitleLanguage language)
{
    return titleText(titlesOf(table).table, language);
}

QStringList columnTitles(TelegramTable table, TitleLanguage language)
{
    QStringList titles;
    for (const char *column : titlesOf(table).columns)
        titles << titleText(column, language);
    return titles;
}
