#include "fcpxml/BinInfo.h"

#include "fcpxml/ChildrenInfo.h"
#include "fcpxml/XmlWriter.h"

BinInfo::BinInfo(const std::string& binName, const ChildrenInfo& binChildren)
    : name(binName), children(std::make_unique<ChildrenInfo>(binChildren))
{
}

BinInfo::BinInfo(const BinInfo& other)
    : name(other.name),
      updatebehavior(other.updatebehavior),
      children(other.children ? std::make_unique<ChildrenInfo>(*other.children) : nullptr)
{
}

BinInfo& BinInfo::operator=(const BinInfo& other)
{
    if (this != &other) {
        // Copy first: the source may live inside the children being replaced.
        std::unique_ptr<ChildrenInfo> copy =
            other.children ? std::make_unique<ChildrenInfo>(*other.children) : nullptr;
        name = other.name;
        updatebehavior = other.updatebehavior;
        children = std::move(copy);
    }
    return *this;
}

BinInfo::BinInfo(BinInfo&& other) noexcept = default;
BinInfo& BinInfo::operator=(BinInfo&& other) noexcept = default;
BinInfo::~BinInfo() = default;

void BinInfo::WriteBin()
{
    WriteXmlContainerOpen("bin");
    WriteXmlTextElement("updatebehavior", updatebehavior);
    WriteXmlTextElement("name", name);
    if (children)
        children->WriteChildren();
    WriteXmlContainerClose("bin");
}
