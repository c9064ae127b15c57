#include "support/TestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

std::filesystem::path SharedDir()
{
    std::filesystem::path dir;
    if (const char* env = std::getenv("AAF2XMEML_SHARED_DIR"); env && *env)
        dir = env;
    else
        dir = AAF2XMEML_DEFAULT_SHARED_DIR;
    std::error_code ec;
    if (!std::filesystem::is_directory(dir / "aaf-samples", ec))
        return {};
    return std::filesystem::weakly_canonical(dir, ec);
}

std::vector<std::filesystem::path> SampleFiles()
{
    std::vector<std::filesystem::path> files;
    if (SharedDir().empty())
        return files;
    for (const auto& entry : std::filesystem::directory_iterator(SharedDir() / "aaf-samples")) {
        std::string ext = entry.path().extension().string();
        for (char& c : ext)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".aaf")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TempDir::TempDir()
{
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("aaf2xmeml-test-" + std::to_string(rd()));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::filesystem::path ConverterBinary()
{
    return AAF2XMEML_BINARY;
}

namespace {

std::string Slurp(int fd)
{
    std::string text;
    char buf[4096];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        text.append(buf, static_cast<size_t>(n));
    }
    return text;
}

}  // namespace

ProcessResult RunConverter(const std::vector<std::string>& args, const std::filesystem::path& cwd)
{
    ProcessResult result;
    char outName[] = "/tmp/aaf2xmeml-out-XXXXXX";
    char errName[] = "/tmp/aaf2xmeml-err-XXXXXX";
    int outFd = mkstemp(outName);
    int errFd = mkstemp(errName);
    if (outFd < 0 || errFd < 0)
        throw std::runtime_error("cannot create capture files");
    unlink(outName);
    unlink(errName);

    std::string binary = ConverterBinary().string();
    std::vector<std::string> argvStore;
    argvStore.push_back(binary);
    argvStore.insert(argvStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argvStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(cwd.c_str()) != 0)
            _exit(127);
        int devnull = open("/dev/null", O_RDONLY);
        dup2(devnull, 0);
        dup2(outFd, 1);
        dup2(errFd, 2);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    lseek(outFd, 0, SEEK_SET);
    lseek(errFd, 0, SEEK_SET);
    result.out = Slurp(outFd);
    result.err = Slurp(errFd);
    close(outFd);
    close(errFd);
    return result;
}

}  // namespace testsupport
