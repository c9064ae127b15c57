// Generic property access: the properties an object carries, each with its definition and value.

#include "aafsdk/com/ComIds.h"
#include "aafsdk/com/InterfaceTables.h"
#include "aafsdk/com/ObjectEnumerator.h"
#include "aafsdk/com/PropertyValue.h"
#include "aafsdk/com/StoredValues.h"

namespace aafsdk::com {
namespace {

struct PresentProperty {
    const StoredProperty* stored;
    const PropertyDef* definition;
};

// The properties an object carries that its class (baseline, extension or dynamic) defines, in
// stored order; a pid the class does not define has no definition to give and is left out.
std::vector<PresentProperty> PresentProperties(const ModelObject& object)
{
    std::vector<PresentProperty> result;
    if (const ClassDef* c = object.model().ClassOf(object.object()))
        for (const StoredProperty& p : object.stored()->properties)
            if (const PropertyDef* def = c->FindProperty(p.pid))
                result.push_back(PresentProperty{&p, def});
    return result;
}

// Their number, without collecting them.
std::size_t CountPresentProperties(const ModelObject& object)
{
    std::size_t count = 0;
    if (const ClassDef* c = object.model().ClassOf(object.object()))
        for (const StoredProperty& p : object.stored()->properties)
            count += c->FindProperty(p.pid) != nullptr ? 1 : 0;
    return count;
}

class Property final : public Standalone<IAAFProperty> {
public:
    Property(FilePtr file, ObjectId object, PresentProperty property)
        : file_(std::move(file)), object_(object), property_(property)
    {
    }
    HRESULT GetDefinition(IAAFPropertyDef** ppPropDef) override
    {
        return HandSubject(file_, Subject::OfProperty(property_.definition), ppPropDef);
    }
    HRESULT GetValue(IAAFPropertyValue** ppValue) override
    {
        if (!ppValue)
            return AAFRESULT_NULL_PARAM;
        *ppValue = nullptr;
        Value value;
        if (!file_->model().Decode(object_, *property_.stored, &value, nullptr))
            return AAFRESULT_BAD_PROP;
        return HandValue(file_, std::move(value), ppValue);
    }

private:
    FilePtr file_;
    ObjectId object_;
    PresentProperty property_;
};

class PropertyEnumerator final : public Standalone<IEnumAAFProperties> {
public:
    PropertyEnumerator(FilePtr file, ObjectId object, std::vector<PresentProperty> properties)
        : file_(std::move(file)), object_(object), properties_(std::move(properties))
    {
    }
    HRESULT NextOne(IAAFProperty** ppProperty) override
    {
        if (!ppProperty)
            return AAFRESULT_NULL_PARAM;
        *ppProperty = nullptr;
        if (next_ >= properties_.size())
            return AAFRESULT_NO_MORE_OBJECTS;
        return MakeStandalone<Property>(ppProperty, file_, object_, properties_[next_++]);
    }

private:
    FilePtr file_;
    ObjectId object_;
    std::vector<PresentProperty> properties_;
    std::size_t next_ = 0;
};

class Object final : public Facet<IAAFObject> {
public:
    using Facet::Facet;
    HRESULT CountProperties(aafUInt32* pCount) override
    {
        if (!pCount)
            return AAFRESULT_NULL_PARAM;
        *pCount = static_cast<aafUInt32>(CountPresentProperties(self()));
        return AAFRESULT_SUCCESS;
    }
    HRESULT GetProperties(IEnumAAFProperties** ppEnum) override
    {
        return MakeStandalone<PropertyEnumerator>(ppEnum, self().file(), self().object(), PresentProperties(self()));
    }
    HRESULT LookupPropertyValue(const aafUID_t& propertyId, IAAFPropertyValue** ppValue) override
    {
        if (!ppValue)
            return AAFRESULT_NULL_PARAM;
        *ppValue = nullptr;
        const StoredProperty* stored = self().model().FindProperty(self().object(), AuidFromUid(propertyId));
        if (!stored)
            return AAFRESULT_PROP_NOT_PRESENT;
        Value value;
        if (!self().model().Decode(self().object(), *stored, &value, nullptr))
            return AAFRESULT_BAD_PROP;
        return HandValue(self().file(), std::move(value), ppValue);
    }
};

// Definitions the file does not store are no objects of it: they have no properties to walk.
constexpr InterfaceEntry kRows[] = {
    StoredRow<Object>(classes::kInterchangeObject),
};

}  // namespace

std::span<const InterfaceEntry> PropertyInterfaceRows()
{
    return kRows;
}

}  // namespace aafsdk::com
