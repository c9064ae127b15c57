#pragma once

#include <memory>
#include <string>

struct ChildrenInfo;

// <bin>: a named folder of the document; it owns its children, and a copy owns a copy of them.
class BinInfo {
public:
    BinInfo(const std::string& binName, const ChildrenInfo& binChildren);
    BinInfo(const BinInfo& other);
    BinInfo& operator=(const BinInfo& other);
    BinInfo(BinInfo&& other) noexcept;
    BinInfo& operator=(BinInfo&& other) noexcept;
    ~BinInfo();

    void WriteBin();

    std::string name;
    std::string updatebehavior = "add";
    std::unique_ptr<ChildrenInfo> children;  // may be absent
};
