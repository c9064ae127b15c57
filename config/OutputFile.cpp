#include "config/OutputFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path with its folder resolved (links, "." and ".."); empty when the folder does not exist.
std::string ResolvedFolderAndName(const std::string& path)
{
    char resolved[PATH_MAX];
    if (::realpath(FolderOf(path).c_str(), resolved) == nullptr)
        return {};
    const std::string folder = resolved;
    return (folder == "/" ? "" : folder) + "/" + NameOf(path);
}

// The file a link finally names, so that a link is written through, never replaced.
std::string ResolvedTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr)
        return resolved;
    const std::string folderAndName = ResolvedFolderAndName(path);
    return folderAndName.empty() ? path : folderAndName;
}

std::string SystemError(const std::string& what, const std::string& path)
{
    return what + " \"" + path + "\": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

PathKind KindOfPath(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        struct stat link {};
        return errno == ENOENT && ::lstat(path.c_str(), &link) != 0 ? PathKind::Missing : PathKind::Other;
    }
    if (S_ISREG(info.st_mode))
        return PathKind::Regular;
    return S_ISCHR(info.st_mode) ? PathKind::CharacterDevice : PathKind::Other;
}

bool IsWritableOutputPath(const std::string& path)
{
    if (path.empty())
        return false;
    switch (KindOfPath(path)) {
    case PathKind::Missing: return ::access(FolderOf(path).c_str(), W_OK | X_OK) == 0;
    case PathKind::Regular:
        return ::access(path.c_str(), W_OK) == 0 &&
               ::access(FolderOf(ResolvedTarget(path)).c_str(), W_OK | X_OK) == 0;
    case PathKind::CharacterDevice: return ::access(path.c_str(), W_OK) == 0;
    case PathKind::Other: return false;
    }
    return false;
}

bool NameSameFile(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
    struct stat infoA {}, infoB {};
    const bool existsA = ::stat(a.c_str(), &infoA) == 0, existsB = ::stat(b.c_str(), &infoB) == 0;
    if (existsA || existsB)
        return existsA && existsB && infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
    const std::string resolvedA = ResolvedFolderAndName(a);
    return !resolvedA.empty() && resolvedA == ResolvedFolderAndName(b);
}

OutputFile::OutputFile(std::string target) : target_(std::move(target))
{
    const PathKind kind = KindOfPath(target_);
    if (kind == PathKind::Other)
        throw std::runtime_error("\"" + target_ + "\" is not a regular file and is left alone");
    if (kind == PathKind::CharacterDevice) {
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0)
            throw std::runtime_error(SystemError("Unable to open", target_));
        return;
    }
    const std::string resolved = ResolvedTarget(target_);
    std::string pattern = resolved + ".XXXXXX";
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0)
        throw std::runtime_error(SystemError("Unable to write beside", target_));
    staged_ = pattern;
    // The file that replaces another keeps its permissions; a new one gets what the umask allows.
    struct stat info {};
    mode_t mode = 0;
    if (kind == PathKind::Regular && ::stat(resolved.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    (void)::fchmod(fd_, mode);
}

OutputFile::~OutputFile()
{
    Discard();
}

bool OutputFile::Write(std::string_view bytes)
{
    return fd_ >= 0 && WriteAll(fd_, bytes);
}

void OutputFile::Commit()
{
    if (fd_ < 0)
        throw std::runtime_error("Unable to write \"" + target_ + "\"");
    if (staged_.empty()) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const std::string error = SystemError("Unable to write", target_);
        ::unlink(staged_.c_str());
        staged_.clear();
        throw std::runtime_error(error);
    }
    if (::rename(staged_.c_str(), ResolvedTarget(target_).c_str()) != 0) {
        const std::string error = SystemError("Unable to move the output into", target_);
        ::unlink(staged_.c_str());
        staged_.clear();
        throw std::runtime_error(error);
    }
    staged_.clear();
}

void OutputFile::Discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!staged_.empty())
        ::unlink(staged_.c_str());
    staged_.clear();
}

std::string ReadFileBytes(const std::string& path)
{
    std::string bytes;
    // A device such as /dev/zero would never end.
    if (KindOfPath(path) != PathKind::Regular)
        return bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}
