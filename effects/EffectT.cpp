#include "effects/EffectT.h"

#include <limits>
#include <type_traits>

#include "aaf/CheckHResult.h"
#include "aaf/DefinitionNameTables.h"
#include "aaf/HeldInterface.h"
#include "aaf/PropertyValues.h"
#include "aaf/import/DataT.h"
#include "effects/EffectIds.h"
#include "effects/ParameterR.h"
#include "effects/ParameterRecordData.h"

namespace {

// A count the interfaces report unsigned; one beyond the int range is as unknown as a failed call.
template <class Interface, class Count>
std::int32_t ReadCount(Interface* iface, const char* label, HRESULT (Interface::*call)(Count*))
{
    Count count = 0;
    if ((CheckNotNull(iface, label)->*call)(&count) != AAFRESULT_SUCCESS)
        return -1;
    if constexpr (std::is_signed_v<Count>) {
        if (count < 0)
            return -1;
    }
    if (static_cast<std::uint64_t>(count) > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        return -1;
    return static_cast<std::int32_t>(count);
}

const std::string kPortableObject = "__PortableObject";

}  // namespace

EffectT::EffectT(IUnknown* segment, const ComponentContext& componentContext) : context(componentContext)
{
    status = GetInterface(&group, IID_IAAFOperationGroup, "IID_IAAFOperationGroup", segment);
    if (status >= 0)
        ReadGroup();
}

EffectT::EffectT(IAAFTransition* transition, const ComponentContext& componentContext) : context(componentContext)
{
    if (transition == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    status = transition->GetOperationGroup(&group);
    if (status >= 0 && group == nullptr)
        status = AAFRESULT_BADINDEX;
    if (status >= 0)
        ReadGroup();
}

EffectT::~EffectT()
{
    ReleaseInterface(definition);
    ReleaseInterface(group);
}

void EffectT::ReadGroup()
{
    // A raise ends the run, but the interfaces taken so far are still given back.
    try {
        ReadGroupProperties();
        ReadOperationDefinition();
    } catch (...) {
        ReleaseInterface(definition);
        ReleaseInterface(group);
        throw;
    }
}

std::int32_t EffectT::CountSourceSegments()
{
    return ReadCount(group, "EffectT: CountSourceSegments", &IAAFOperationGroup::CountSourceSegments);
}

std::int32_t EffectT::CountParameters()
{
    return ReadCount(group, "EffectT: CountParameters", &IAAFOperationGroup::CountParameters);
}

std::int32_t EffectT::GetBypassOverride()
{
    return ReadCount(group, "EffectT: GetBypassOverride", &IAAFOperationGroup::GetBypassOverride);
}

std::int32_t EffectT::CountDegradeToOperations()
{
    return ReadCount(definition, "EffectT: CountDegradeToOperations", &IAAFOperationDef::CountDegradeToOperations);
}

std::int32_t EffectT::GetBypass()
{
    return ReadCount(definition, "EffectT: GetBypass", &IAAFOperationDef::GetBypass);
}

std::int32_t EffectT::GetNumberInputs()
{
    return ReadCount(definition, "EffectT: GetNumberInputs", &IAAFOperationDef::GetNumberInputs);
}

void EffectT::ReadGroupProperties()
{
    inputCount = CountSourceSegments();
    aafBoolean_t timeWarp = kAAFFalse;
    (void)group->IsATimeWarp(&timeWarp);
    isTimeWarp = timeWarp != kAAFFalse;
    GetBypassOverride();
    aafBoolean_t validTransition = kAAFFalse;
    (void)group->IsValidTranOperation(&validTransition);
    parameterCount = CountParameters();
    if (isTimeWarp)
        ReadMotionEffectTags();
}

void EffectT::ReadOperationDefinition()
{
    if (group->GetOperationDefinition(&definition) < 0 || definition == nullptr)
        return;
    ReadDefObject(definition);
    CountDegradeToOperations();
    aafUID_t category{};
    (void)definition->GetCategory(&category);
    GetBypass();
    GetNumberInputs();
    Held<IAAFDataDef> dataDef;
    if (Obtained(definition->GetDataDef(dataDef.out()), dataDef))
        context.dataKind = DataT::GetDataKind(dataDef.get());
    const std::string avidName = GetAvidEffectName(id);
    if (avidName != "UNKNOWN")
        name = avidName;
}

void EffectT::ReadMotionEffectTags()
{
    ReleaseObject();
    status = GetInterface(&object, IID_IAAFObject, "IID_IAAFObject", group);
    if (status < 0)
        return;
    CountProperties();
    MotionEffectTags tags;
    const bool hasMfxTags = ReadMfxTags(tags);
    const bool hasSpeedRatio = ReadSpeedRatioTags(tags);
    if (hasMfxTags || hasSpeedRatio)
        motionEffectTags.push_back(tags);
}

bool EffectT::ReadMfxTags(MotionEffectTags& tags)
{
    PropertyValueList list;
    // Every attribute counts towards having tags; only the values of these are looked at.
    const auto isMotionTag = [](const std::string& tag) {
        return tag == "_MATCH" || tag == "_MFX_GRAPH_ENABLED" || tag == "_MFX_VIEW_SPD_TOP" ||
               tag == "_MFX_VIEW_SPD_BOTTOM" || tag == "_MIXMATCH_MOTIONADAPTER";
    };
    CollectPropertyValues(list, kAttributesPropertyId, isMotionTag);
    for (const ValueBase* value : list.values) {
        const auto* tagged = dynamic_cast<const TaggedValue*>(value);
        if (!tagged)
            continue;
        const std::string& tag = tagged->entry.name;
        if (const auto* text = dynamic_cast<const StringValue*>(tagged->entry.value)) {
            if (tag == "_MATCH" && text->text == kPortableObject)
                tags.portableMatch = 1;
        } else if (const auto* integer = dynamic_cast<const IntValue*>(tagged->entry.value)) {
            if (tag == "_MFX_GRAPH_ENABLED")
                tags.graphEnabled = integer->value;
            else if (tag == "_MFX_VIEW_SPD_TOP")
                tags.speedViewTop = integer->value;
            else if (tag == "_MFX_VIEW_SPD_BOTTOM")
                tags.speedViewBottom = integer->value;
            else if (tag == "_MIXMATCH_MOTIONADAPTER")
                tags.motionAdapter = integer->value;
        }
    }
    return !list.values.empty();
}

bool EffectT::ReadSpeedRatioTags(MotionEffectTags& tags)
{
    PropertyValueList list;
    CollectPropertyValues(list, kSpeedRatioProperty);
    for (const ValueBase* value : list.values) {
        const auto* ratio = dynamic_cast<const TaggedValueVector*>(value);
        if (!ratio)
            continue;
        for (const TaggedValueEntry& entry : ratio->entries) {
            const auto* integer = dynamic_cast<const IntValue*>(entry.value);
            if (!integer)
                continue;
            if (entry.name == "Numerator")
                tags.numerator = integer->value;
            else if (entry.name == "Denominator")
                tags.denominator = integer->value;
        }
    }
    return !list.values.empty();
}

void EffectT::ReadParameters()
{
    Held<IEnumAAFParameters> enumerator;
    if (group == nullptr || !Obtained(group->GetParameters(enumerator.out()), enumerator))
        return;
    for (std::int32_t i = 0; i < parameterCount; ++i) {
        ParameterR parameter(enumerator.get());
        if (parameter.ReadValue() >= 0)
            parameters[GetParameterDefIdText(parameter.record)] = parameter.record;
        else if (parameter.status == AAFRESULT_NO_MORE_OBJECTS)
            break;  // the count promised more than there are
    }
}
