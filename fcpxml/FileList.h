#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "fcpxml/FCPFileTag.h"

// The files of a clip item, shared between copies. A timeline's clip items are copies of their
// master clip's slot items and the file is written in full only once, so a copy takes the list by
// reference; a holder that changes it gets a list of its own first.
class FileList {
public:
    FileList() = default;
    // A list of that one file.
    explicit FileList(FCPFileTag file);

    bool empty() const { return files_ == nullptr || files_->empty(); }
    std::size_t size() const { return files_ == nullptr ? 0 : files_->size(); }
    const FCPFileTag& front() const { return files_->front(); }
    const FCPFileTag& operator[](std::size_t index) const { return (*files_)[index]; }
    const FCPFileTag* begin() const { return files_ == nullptr ? nullptr : files_->data(); }
    const FCPFileTag* end() const { return files_ == nullptr ? nullptr : files_->data() + files_->size(); }

    // Changing access: the list becomes the holder's own first.
    FCPFileTag& front();
    FCPFileTag& back();
    FCPFileTag& operator[](std::size_t index);
    void push_back(const FCPFileTag& file);
    void push_back(FCPFileTag&& file);
    FCPFileTag& emplace_back(const std::string& fileName);
    void clear() { files_.reset(); }

    // Whether both hold the very same list.
    bool SharesWith(const FileList& other) const { return files_ == other.files_; }

    // Writes each file, in full the first time its id is written. Writing fills in only texts
    // computed from the file itself, the same for every holder, so the shared files are written in
    // place.
    void Write() const;

private:
    std::vector<FCPFileTag>& Own();

    std::shared_ptr<std::vector<FCPFileTag>> files_;
};
