#include "aaf/DefinitionT.h"

#include <algorithm>

#include "aaf/Auid.h"
#include "aaf/DefinitionNameRows.h"
#include "aaf/TextConversion.h"
#include "records/ParameterRecord.h"

namespace {

// The steps both readers share, through whichever typed interface they hold.
template <class Interface>
std::int32_t ReadDefinition(DefinitionT& definition, Interface*& slot, REFIID iid, const char* iidName,
                            IUnknown* holder)
{
    ReleaseInterface(slot);
    definition.status = GetInterface(&slot, iid, iidName, holder);
    if (definition.status < 0)
        return definition.status;
    definition.name = ReadText(slot, "CommonT: GetName", &Interface::GetNameBufLen, &Interface::GetName);
    definition.description =
        ReadText(slot, "CommonT: GetDescription", &Interface::GetDescriptionBufLen, &Interface::GetDescription);
    aafUID_t id{};
    definition.status = slot->GetAUID(&id);
    if (definition.status >= 0)
        definition.id = ToAuid(id);
    definition.idText = AuidToText(definition.id);
    if (definition.name.empty())
        definition.name = GetDefinitionNameText(definition.id);
    return definition.status;
}

}  // namespace

DefinitionT::~DefinitionT()
{
    ReleaseInterface(metaDefinition);
    ReleaseInterface(defObject);
}

std::int32_t DefinitionT::ReadDefObject(IUnknown* holder)
{
    return ReadDefinition(*this, defObject, IID_IAAFDefObject, "IID_IAAFDefObject", holder);
}

std::int32_t DefinitionT::ReadMetaDefinition(IUnknown* holder)
{
    return ReadDefinition(*this, metaDefinition, IID_IAAFMetaDefinition, "IID_IAAFMetaDefinition", holder);
}

std::int32_t DefinitionT::ReadMetaDefinitionId(IUnknown* holder)
{
    ReleaseInterface(metaDefinition);
    status = GetInterface(&metaDefinition, IID_IAAFMetaDefinition, "IID_IAAFMetaDefinition", holder);
    if (status < 0)
        return status;
    aafUID_t auid{};
    status = metaDefinition->GetAUID(&auid);
    if (status >= 0)
        id = ToAuid(auid);
    return status;
}

std::string GetDefinitionName(const Auid& id, bool& known)
{
    // The tables merged once: asking each in turn was most of the cost of naming a value's type.
    const std::span<const NamedAuid> rows = DefinitionNamesInLookupOrder();
    const auto row =
        std::lower_bound(rows.begin(), rows.end(), id, [](const NamedAuid& r, const Auid& key) { return r.id < key; });
    known = row != rows.end() && row->id == id;
    if (known)
        return std::string(row->name);
    return AuidToText(id);
}

std::string GetDefinitionNameText(const Auid& id)
{
    bool known = false;
    return GetDefinitionName(id, known);
}

void AssignDefinitionName(const Auid& id, ParameterRecord& record)
{
    record.mapping.avid.name = GetDefinitionNameText(id);
}
