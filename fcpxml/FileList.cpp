#include "fcpxml/FileList.h"

#include <utility>

#include "fcpxml/FCPFileTag.h"

FileList::FileList(FCPFileTag file) : files_(std::make_shared<std::vector<FCPFileTag>>())
{
    files_->push_back(std::move(file));
}

std::vector<FCPFileTag>& FileList::Own()
{
    if (files_ == nullptr)
        files_ = std::make_shared<std::vector<FCPFileTag>>();
    else if (files_.use_count() > 1)
        files_ = std::make_shared<std::vector<FCPFileTag>>(*files_);
    return *files_;
}

FCPFileTag& FileList::front() { return Own().front(); }

FCPFileTag& FileList::back() { return Own().back(); }

FCPFileTag& FileList::operator[](std::size_t index) { return Own()[index]; }

void FileList::push_back(const FCPFileTag& file) { Own().push_back(file); }

void FileList::push_back(FCPFileTag&& file) { Own().push_back(std::move(file)); }

FCPFileTag& FileList::emplace_back(const std::string& fileName) { return Own().emplace_back(fileName); }

void FileList::Write() const
{
    if (files_ == nullptr)
        return;
    for (FCPFileTag& file : *files_)
        file.WriteFile();
}
