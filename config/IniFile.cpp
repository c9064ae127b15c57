#include "config/IniFile.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

#include "config/OutputFile.h"

namespace {

// A scratch file in the system's temporary folder, under a name Qt always takes.
std::unique_ptr<QTemporaryFile> ScratchFile(const std::string& bytes, const std::string& path)
{
    auto scratch = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/aaf2xmeml-XXXXXX.ini"));
    if (!scratch->open() ||
        scratch->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !scratch->flush())
        throw std::runtime_error("Unable to prepare \"" + path + "\" in the temporary folder");
    scratch->close();
    return scratch;
}

// Settings read from a scratch copy, which lives as long as they do.
class ScratchSettings : public QSettings {
public:
    explicit ScratchSettings(std::unique_ptr<QTemporaryFile> scratch)
        : QSettings(scratch->fileName(), QSettings::IniFormat), scratch_(std::move(scratch))
    {
    }

private:
    std::unique_ptr<QTemporaryFile> scratch_;
};

// Saves into a new OutputFile on target and commits it; false on any failure, the target unchanged.
template <typename Save>
bool SaveAndCommitTo(const std::string& target, Save save)
{
    try {
        OutputFile out(target);
        if (!save(out))
            return false;
        out.Commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

std::unique_ptr<QSettings> OpenIniFile(const std::string& path, IniAccess access)
{
    // A file the run only reads is read from a copy of its bytes: its name may be any bytes the file
    // system takes (Qt's names are text), and a FIFO or device there is never opened.
    if (access == IniAccess::Read) {
        auto settings = std::make_unique<ScratchSettings>(ScratchFile(ReadFileBytes(path), path));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        // Qt 6 always reads INI text as UTF-8; Qt 5 reads raw bytes as Latin-1 unless told otherwise.
        settings->setIniCodec("UTF-8");
#endif
        return settings;
    }
    const QString fileName = QFile::decodeName(QByteArray::fromStdString(path));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
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

IniOutput::IniOutput(const std::string& target)
    : target_(target), scratch_(ScratchFile(ReadFileBytes(target), target))
{
    settings_ = OpenIniFile(QFile::encodeName(scratch_->fileName()).toStdString(), IniAccess::Write);
}

IniOutput::~IniOutput() = default;

bool IniOutput::SaveInto(OutputFile& out)
{
    if (!SyncIniFile(*settings_))
        return false;
    return out.Write(ReadFileBytes(QFile::encodeName(scratch_->fileName()).toStdString()));
}

bool IniOutput::SaveAndCommit()
{
    return SaveAndCommitTo(target_, [this](OutputFile& out) { return SaveInto(out); });
}

bool IniTextOutput::SaveInto(OutputFile& out)
{
    if (ReadFileBytes(target_).empty())
        return out.Write(text_.Bytes());
    // What the target holds comes first, read as OpenIniFile reads it for a rewrite, so that the
    // values set here replace it key by key.
    IniDocument merged;
    {
        const std::unique_ptr<QSettings> held = OpenIniFile(target_);
        for (const QString& key : held->allKeys()) {
            const QVariant value = held->value(key);
            if (value.userType() != QMetaType::QString)
                return SaveThroughSettings(out);
            merged.Set(key, value.toString());
        }
    }
    for (const IniDocument::Value& value : text_.Values())
        merged.Set(value.key, value.text);
    return out.Write(merged.Bytes());
}

bool IniTextOutput::SaveThroughSettings(OutputFile& out)
{
    IniOutput file(target_);
    for (const IniDocument::Value& value : text_.Values())
        file.settings().setValue(value.key, value.text);
    return file.SaveInto(out);
}

bool IniTextOutput::SaveAndCommit()
{
    return SaveAndCommitTo(target_, [this](OutputFile& out) { return SaveInto(out); });
}
