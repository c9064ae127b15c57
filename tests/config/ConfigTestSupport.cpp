#include "ConfigTestSupport.h"

#include <atomic>

#include "config/ConfigurationState.h"
#include "config/IniFile.h"

namespace configtest {

std::unique_ptr<QSettings> ReadBack(const std::filesystem::path& path)
{
    static std::atomic<int> copies{0};
    const std::filesystem::path copy = path.string() + ".readback" + std::to_string(copies++) + ".ini";
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
    return OpenIniFile(copy.string());
}

std::string Text(const QSettings& settings, const char* key)
{
    return settings.value(QString::fromUtf8(key)).toString().toStdString();
}

void ResetConfiguration()
{
    ResetConfigurationState();
}

}  // namespace configtest
