#include "ui/app/ErrorText.h"

#include <new>

#include "core/util/Errors.h"

QString ErrorText(const std::exception& error) {
    using namespace viramo;
    auto named = [](const Error& e, const char* sentence) {
        const QString file = QString::fromStdString(e.path());
        QString text = QString::fromUtf8(sentence).arg(file.isEmpty() ? QStringLiteral("?") : file);
        return text + QStringLiteral("\n\n") + QString::fromStdString(e.cause());
    };
    if (auto e = dynamic_cast<const FileError*>(&error))
        return named(*e, "Не удалось открыть или записать файл «%1».");
    if (auto e = dynamic_cast<const FormatError*>(&error))
        return named(*e, "Формат файла «%1» не поддерживается.");
    if (auto e = dynamic_cast<const PictureError*>(&error))
        return named(*e, "Файл «%1» повреждён или не является изображением.");
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return QString::fromUtf8("Недостаточно памяти для выполнения команды.");
    return QString::fromUtf8("Команда не выполнена: %1").arg(QString::fromUtf8(error.what()));
}
