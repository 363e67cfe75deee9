#include "languagesetting.h"
#include "mainwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::addLibraryPath(QCoreApplication::applicationDirPath() + "/plugins");

    QTranslator translator;
    installLanguage(translator);

    MainWindow window;
    window.show();
    return app.exec();
}
