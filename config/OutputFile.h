#pragma once

#include <string>
#include <string_view>

// What a path names, seen through symbolic links.
enum class PathKind {
    Missing,          // nothing there yet (a link to nothing counts as Other)
    Regular,          // a regular file
    CharacterDevice,  // such as /dev/null: written in place, never replaced
    Other,            // a folder, a FIFO, a socket, a block device or a dangling link: never written
};

PathKind KindOfPath(const std::string& path);

// Whether the run may write path: a regular file it may write in a folder it may write, a missing
// file in a folder it may write, or a writable character device.
bool IsWritableOutputPath(const std::string& path);

// Whether the two paths name one file: existing files by device and inode (through links and hard
// links), paths not there yet by their resolved folder and name.
bool NameSameFile(const std::string& a, const std::string& b);

// An output the run writes: its bytes go to a temporary file beside the target, which Commit moves
// into place; a run that does not commit leaves the target as it was and removes the temporary file.
// A character device is written in place. Paths are file-system bytes; any text encoding goes.
class OutputFile {
public:
    // Raises std::runtime_error when the target may not be written (see PathKind) or the temporary
    // file cannot be created.
    explicit OutputFile(std::string target);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::string& target() const { return target_; }
    // The open descriptor the bytes go to.
    int descriptor() const { return fd_; }
    // Writes every byte; false on a failed write (a full disk).
    bool Write(std::string_view bytes);
    // Flushes the bytes and moves them into place; raises on failure, and the target is unchanged.
    void Commit();

private:
    void Discard();

    std::string target_;
    std::string staged_;  // empty when written in place
    int fd_ = -1;
};

// The bytes of the regular file at path; empty when there is none or it cannot be read.
std::string ReadFileBytes(const std::string& path);
