#include "languagesetting.h"
#include "mainwindow.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::addLibraryPath(QCoreApplication::applicationDirPath() + "/plugins");
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/rs485config.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("rs485config"));

    QTranslator translator;
    installLanguage(translator);

    MainWindow window;
    window.show();
    return app.exec();
}
