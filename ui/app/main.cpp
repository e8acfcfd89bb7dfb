// The editor's start: the application, its Russian translation and the main window.
#include <QApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTimer>
#include <QTranslator>

#include "ui/app/MainUnit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Фото ВИРАМО"));
    QApplication::setApplicationDisplayName(QStringLiteral("Фото ВИРАМО"));
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    TMainForm window;
    window.show();
    // An unquoted path with blanks arrives in pieces: join them again.
    const QStringList args = QApplication::arguments().mid(1);
    if (!args.isEmpty()) {
        const QString path = args.join(QLatin1Char(' '));
        QTimer::singleShot(0, &window, [&window, path] { window.OpenFileByPath(path); });
    }
    return QApplication::exec();
}
