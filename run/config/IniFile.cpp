#include "run/config/IniFile.h"

#include <QFile>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

std::unique_ptr<QSettings> OpenIniFile(const std::string& path)
{
    auto settings = std::make_unique<QSettings>(QFile::decodeName(QByteArray::fromStdString(path)),
                                                QSettings::IniFormat);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always uses UTF-8 for INI text; match it.
    settings->setIniCodec("UTF-8");
#endif
    return settings;
}

std::string IniText(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

bool SyncIniFile(QSettings& settings)
{
    settings.sync();
    // A FormatError only says the file held lines Qt could not parse; it writes the file regardless.
    return settings.status() != QSettings::AccessError;
}
