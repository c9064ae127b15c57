#pragma once

// The element types the document's lists hold, in the minimal form the document pass needs while
// the bin, clip and sequence model is built: a bin owns an optional children list of bins, clips and
// sequences and copies it deeply. The full model replaces these definitions.

#include <string>
#include <vector>

struct FCPClipTag {
    void WriteClip() {}
};

struct FCPSequenceTag {
    void WriteSequence() {}
};

struct BinInfo;

struct ChildrenInfo {
    std::vector<BinInfo> bins;
    std::vector<FCPClipTag> clips;
    std::vector<FCPSequenceTag> sequences;
    void WriteChildren() {}
};

struct BinInfo {
    std::string name;
    std::string updatebehavior = "add";
    ChildrenInfo* children = nullptr;

    BinInfo(const std::string& binName, const ChildrenInfo& binChildren)
        : name(binName), children(new ChildrenInfo(binChildren))
    {
    }
    BinInfo(const BinInfo& other)
        : name(other.name), updatebehavior(other.updatebehavior),
          children(other.children ? new ChildrenInfo(*other.children) : nullptr)
    {
    }
    BinInfo& operator=(const BinInfo& other)
    {
        ChildrenInfo* copy = other.children ? new ChildrenInfo(*other.children) : nullptr;
        delete children;
        children = copy;
        name = other.name;
        updatebehavior = other.updatebehavior;
        return *this;
    }
    ~BinInfo() { delete children; }
    void WriteBin() {}
};
