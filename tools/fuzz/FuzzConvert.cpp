// Converts arbitrary bytes as an AAF file, the whole of run mode 2 in this process: file open,
// import, effects, document and log, with every output in a temporary folder of its own.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "run/AafSources.h"
#include "run/Converter.h"

namespace {

std::string folder;

void Save(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char name[] = "/tmp/fuzz-convert-XXXXXX";
    if (mkdtemp(name) == nullptr)
        std::abort();
    folder = name;
    InstallAafSources();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string aaf = folder + "/in.aaf", xml = folder + "/out.xml", log = folder + "/log.ini",
                      media = folder + "/media.ini";
    Save(aaf, data, size);
    std::vector<std::string> args = {"aaf2xmeml", "2", aaf, xml, "", media, log};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int code = RunConverterMain(static_cast<int>(args.size()), argv.data());
    if (code != 1 && code != -1)
        std::abort();
    // A failed run leaves nothing; a finished one leaves both outputs, removed for the next input.
    if (code == -1 && (access(xml.c_str(), F_OK) == 0 || access(log.c_str(), F_OK) == 0))
        std::abort();
    std::remove(xml.c_str());
    std::remove(log.c_str());
    return 0;
}
