// The editor's start: the application, its Russian translation and the main window.
#include <QApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include "ui/app/MainUnit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Фото ВИРАМО"));
    // Qt's own dialogs and buttons speak Russian too.
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    TMainForm window;
    window.OpenCommandLine(QApplication::arguments().mid(1));
    window.show();
    return QApplication::exec();
}
