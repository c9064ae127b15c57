#include "aaf/AafLibrary.h"

#include <clocale>

#include <QDir>
#include <QFile>
#include <QString>

#include "platform/AafLoader.h"

std::string LoadAafLibrary(const char* name)
{
    const char* current = std::setlocale(LC_ALL, nullptr);
    const std::string saved = current != nullptr ? current : "C";
    const QString path = QDir::currentPath() + "/" + QString::fromUtf8(name);
    const QString absolute = QDir(path).absolutePath();
    std::setlocale(LC_ALL, "pt_PT.UTF-8");
    static_cast<void>(AAFLoad(QFile::encodeName(absolute).constData()));
    return saved;
}
