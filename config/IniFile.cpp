#include "config/IniFile.h"

#include <QFile>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

std::unique_ptr<QSettings> OpenIniFile(const std::string& path, IniAccess access)
{
    const QString fileName = QFile::decodeName(QByteArray::fromStdString(path));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always reads INI text as UTF-8; Qt 5 reads raw bytes as Latin-1 unless told otherwise.
    if (access == IniAccess::Read) {
        auto settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
        settings->setIniCodec("UTF-8");
        return settings;
    }
    // Keys the file already holds are kept by a rewrite; read them as UTF-8 first so raw UTF-8 that
    // some hosts write survives as escapes instead of turning into Latin-1 pairs. (Instances on one
    // file share Qt's pending changes, so the old values are copied out before anything is set.)
    QList<QPair<QString, QVariant>> kept;
    {
        QSettings existing(fileName, QSettings::IniFormat);
        existing.setIniCodec("UTF-8");
        for (const QString& key : existing.allKeys())
            kept.append({key, existing.value(key)});
    }
    auto settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    if (!kept.isEmpty()) {
        settings->clear();
        for (const auto& [key, value] : kept)
            settings->setValue(key, value);
    }
#else
    (void)access;
    auto settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
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
