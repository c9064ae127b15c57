#include "aafsdk/model/FileModel.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "aafsdk/cfb/CompoundFile.h"

namespace aafsdk {
namespace {

// Pids of the root, the MetaDictionary and the meta definitions: fixed in every file.
constexpr std::uint16_t kPidRootMetaDictionary = 0x0001;
constexpr std::uint16_t kPidRootHeader = 0x0002;
constexpr std::uint16_t kPidClassDefinitions = 0x0003;
constexpr std::uint16_t kPidTypeDefinitions = 0x0004;
constexpr std::uint16_t kPidIdentification = 0x0005;
constexpr std::uint16_t kPidName = 0x0006;
constexpr std::uint16_t kPidDescription = 0x0007;
constexpr std::uint16_t kPidParentClass = 0x0008;
constexpr std::uint16_t kPidProperties = 0x0009;
constexpr std::uint16_t kPidIsConcrete = 0x000a;
constexpr std::uint16_t kPidPropertyType = 0x000b;
constexpr std::uint16_t kPidIsOptional = 0x000c;
constexpr std::uint16_t kPidLocalIdentification = 0x000d;
constexpr std::uint16_t kPidIsUniqueIdentifier = 0x000e;
constexpr std::uint16_t kPidIntSize = 0x000f;
constexpr std::uint16_t kPidIntIsSigned = 0x0010;
constexpr std::uint16_t kPidStrongReferencedType = 0x0011;
constexpr std::uint16_t kPidWeakReferencedType = 0x0012;
constexpr std::uint16_t kPidTargetSet = 0x0013;
constexpr std::uint16_t kPidEnumElementType = 0x0014;
constexpr std::uint16_t kPidEnumElementNames = 0x0015;
constexpr std::uint16_t kPidEnumElementValues = 0x0016;
constexpr std::uint16_t kPidFixedElementType = 0x0017;
constexpr std::uint16_t kPidFixedElementCount = 0x0018;
constexpr std::uint16_t kPidVariableElementType = 0x0019;
constexpr std::uint16_t kPidSetElementType = 0x001a;
constexpr std::uint16_t kPidStringElementType = 0x001b;
constexpr std::uint16_t kPidMemberTypes = 0x001c;
constexpr std::uint16_t kPidMemberNames = 0x001d;
constexpr std::uint16_t kPidRenamedType = 0x001e;
constexpr std::uint16_t kPidExtEnumElementNames = 0x001f;
constexpr std::uint16_t kPidExtEnumElementValues = 0x0020;
constexpr std::uint16_t kPidHeaderDictionary = 0x3b04;
constexpr std::uint16_t kPidDefinitionIdentification = 0x1b01;
constexpr std::uint16_t kPidDefinitionName = 0x1b02;
constexpr std::uint16_t kPidDefinitionDescription = 0x1b03;

struct DictionarySet {
    std::uint16_t pid;
    DefinitionKind kind;
};

constexpr DictionarySet kDictionarySets[] = {
    {0x2603, DefinitionKind::Operation},     {0x2604, DefinitionKind::Parameter},
    {0x2605, DefinitionKind::Data},          {0x2606, DefinitionKind::Plugin},
    {0x2607, DefinitionKind::Codec},         {0x2608, DefinitionKind::Container},
    {0x2609, DefinitionKind::Interpolation}, {0x260a, DefinitionKind::KLVData},
    {0x260b, DefinitionKind::TaggedValue},
};

bool IsData(const StoredProperty* p)
{
    return p && p->form() == StoredForm::Data;
}

std::optional<std::uint64_t> ReadUnsigned(const StoredObject& o, std::uint16_t pid, std::size_t size)
{
    const StoredProperty* p = o.Find(pid);
    if (!IsData(p) || p->value.size() != size)
        return std::nullopt;
    std::uint64_t v = 0;
    for (std::size_t i = size; i-- > 0;)
        v = v << 8 | p->value[i];
    return v;
}

std::optional<Auid> ReadAuid(const StoredObject& o, std::uint16_t pid)
{
    const StoredProperty* p = o.Find(pid);
    if (!IsData(p) || p->value.size() != 16)
        return std::nullopt;
    return Auid::FromBytes(p->value);
}

// NUL-terminated UTF-16 strings placed end to end (one for a String): calls each(bytes) for each,
// its UTF-16LE bytes without the terminator; false when the bytes do not end with a terminator.
template <class Each>
bool SplitStrings(const StoredProperty* p, Each each)
{
    if (!IsData(p) || p->value.size() % 2 != 0)
        return false;
    const std::span<const std::uint8_t> bytes = p->value;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        if ((bytes[i] | bytes[i + 1]) == 0) {
            each(bytes.subspan(start, i - start));
            start = i + 2;
        }
    }
    return start == bytes.size();  // else no terminator
}

std::optional<std::vector<std::string>> ReadStrings(const StoredObject& o, std::uint16_t pid)
{
    std::vector<std::string> result;
    if (!SplitStrings(o.Find(pid), [&](std::span<const std::uint8_t> text) { result.push_back(Utf16LeToUtf8(text)); }))
        return std::nullopt;
    return result;
}

// A single string, straight to UTF-8.
std::optional<std::string> ReadString(const StoredObject& o, std::uint16_t pid)
{
    const StoredProperty* p = o.Find(pid);
    std::span<const std::uint8_t> only;
    std::size_t count = 0;
    if (!SplitStrings(p, [&](std::span<const std::uint8_t> text) { only = text, ++count; }) || count != 1)
        return std::nullopt;
    return Utf16LeToUtf8(only);
}

// Whether the property holds a single string, for a name that is checked but not kept.
bool HasString(const StoredObject& o, std::uint16_t pid)
{
    std::size_t count = 0;
    return SplitStrings(o.Find(pid), [&](std::span<const std::uint8_t>) { ++count; }) && count == 1;
}

// A single string kept as UTF-16.
std::optional<std::u16string> ReadString16(const StoredObject& o, std::uint16_t pid)
{
    const StoredProperty* p = o.Find(pid);
    std::span<const std::uint8_t> only;
    std::size_t count = 0;
    if (!SplitStrings(p, [&](std::span<const std::uint8_t> text) { only = text, ++count; }) || count != 1)
        return std::nullopt;
    std::u16string text(only.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(only[2 * i] | only[2 * i + 1] << 8);
    return text;
}

std::optional<Auid> WeakKey(const StoredObject& o, std::uint16_t pid)
{
    const StoredProperty* p = o.Find(pid);
    if (!p || p->form() != StoredForm::WeakReference || p->weak.size() != 1 || p->weak[0].key.size != 16)
        return std::nullopt;
    return Auid::FromBytes(p->weak[0].key.view());
}

std::optional<std::vector<Auid>> WeakKeys(const StoredObject& o, std::uint16_t pid)
{
    const StoredProperty* p = o.Find(pid);
    if (!p || (p->form() != StoredForm::WeakReferenceVector && p->form() != StoredForm::WeakReferenceSet))
        return std::nullopt;
    std::vector<Auid> keys;
    for (const auto& w : p->weak) {
        if (w.key.size != 16)
            return std::nullopt;
        keys.push_back(Auid::FromBytes(w.key.view()));
    }
    return keys;
}

std::optional<std::vector<Auid>> ReadAuidArray(const StoredObject& o, std::uint16_t pid)
{
    const StoredProperty* p = o.Find(pid);
    if (!IsData(p) || p->value.size() % 16 != 0)
        return std::nullopt;
    std::vector<Auid> result;
    for (std::size_t i = 0; i < p->value.size(); i += 16)
        result.push_back(Auid::FromBytes(std::span(p->value).subspan(i, 16)));
    return result;
}

std::optional<std::vector<std::int64_t>> ReadInt64Array(const StoredObject& o, std::uint16_t pid)
{
    const StoredProperty* p = o.Find(pid);
    if (!IsData(p) || p->value.size() % 8 != 0)
        return std::nullopt;
    std::vector<std::int64_t> result;
    for (std::size_t i = 0; i < p->value.size(); i += 8) {
        std::uint64_t v = 0;
        for (std::size_t b = 8; b-- > 0;)
            v = v << 8 | p->value[i + b];
        result.push_back(static_cast<std::int64_t>(v));
    }
    return result;
}

std::string Hex16(std::uint16_t v)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text = "0x0000";
    for (int i = 0; i < 4; ++i)
        text[std::size_t(5 - i)] = kHex[(v >> (4 * i)) & 0xf];
    return text;
}

bool IsStrongForm(StoredForm f)
{
    return f == StoredForm::StrongReference || f == StoredForm::StrongReferenceVector ||
           f == StoredForm::StrongReferenceSet;
}

bool IsWeakForm(StoredForm f)
{
    return f == StoredForm::WeakReference || f == StoredForm::WeakReferenceVector ||
           f == StoredForm::WeakReferenceSet;
}

// Whether a type may be stored in a reference form of this family: a reference type, or an array
// or set of them (a declared vector stored as a set is accepted: writers do that).
bool FitsReferenceForm(const TypeDef* type, TypeCategory reference)
{
    for (int i = 0; type && i < 8; ++i) {
        if (type->category == reference)
            return true;
        if (type->category != TypeCategory::Rename && type->category != TypeCategory::VariableArray &&
            type->category != TypeCategory::Set)
            return false;
        type = type->element;
    }
    return false;
}

}  // namespace

std::unique_ptr<FileModel> FileModel::Build(const StoredGraph& graph)
{
    std::unique_ptr<FileModel> file(new FileModel(graph));
    file->ReadMetaDictionary();
    file->ReadDictionary();
    file->IndexWeakTargets();
    for (const auto& note : file->model_.notes())
        file->notes_.push_back(note);
    return file;
}

ObjectId FileModel::StrongChild(ObjectId object, std::uint16_t pid) const
{
    if (object >= graph_.objects.size())
        return kNoObject;
    const StoredProperty* p = graph_.object(object).Find(pid);
    if (!p || p->form() != StoredForm::StrongReference || p->elements.size() != 1)
        return kNoObject;
    const ObjectId child = p->elements[0].object;
    return child < graph_.objects.size() ? child : kNoObject;
}

void FileModel::ReadMetaDictionary()
{
    const ObjectId meta = StrongChild(StoredGraph::root(), kPidRootMetaDictionary);
    if (meta == kNoObject) {
        notes_.push_back("the file has no MetaDictionary: only the built-in model is known");
        model_.Merge({}, {});
        return;
    }
    auto elements = [&](std::uint16_t pid) {
        std::vector<ObjectId> result;
        const StoredProperty* p = graph_.object(meta).Find(pid);
        if (p)
            for (const auto& e : p->elements)
                if (e.object < graph_.objects.size())
                    result.push_back(e.object);
        return result;
    };

    std::vector<FileClassDefinition> classes;
    for (ObjectId id : elements(kPidClassDefinitions)) {
        const StoredObject& o = graph_.object(id);
        const auto auid = ReadAuid(o, kPidIdentification);
        // The built-in model keeps its own name and description for a class or property it knows:
        // the file's restatement is only checked.
        const bool knownClass = auid && model_.FindClass(*auid);
        std::optional<std::string> name = knownClass ? std::nullopt : ReadString(o, kPidName);
        const bool hasName = knownClass ? HasString(o, kPidName) : name.has_value();
        const auto parent = WeakKey(o, kPidParentClass);
        if (!auid || !hasName || !parent) {
            notes_.push_back("a class definition without identification, name or parent is skipped: " + graph_.Path(id));
            continue;
        }
        FileClassDefinition c;
        c.id = *auid;
        if (!knownClass) {
            c.name = std::move(*name);
            c.description = ReadString(o, kPidDescription).value_or(std::string());
        }
        c.parentId = *parent;
        c.concrete = ReadUnsigned(o, kPidIsConcrete, 1).value_or(0) != 0;
        if (const StoredProperty* props = o.Find(kPidProperties)) {
            for (const auto& e : props->elements) {
                if (e.object >= graph_.objects.size())
                    continue;
                const StoredObject& po = graph_.object(e.object);
                const auto pid = ReadUnsigned(po, kPidLocalIdentification, 2);
                const auto pauid = ReadAuid(po, kPidIdentification);
                const auto ptype = ReadAuid(po, kPidPropertyType);
                const bool knownProperty = pauid && model_.FindProperty(*pauid);
                auto pname = knownProperty ? std::nullopt : ReadString(po, kPidName);
                const bool hasPname = knownProperty ? HasString(po, kPidName) : pname.has_value();
                if (!pid || !pauid || !ptype || !hasPname) {
                    notes_.push_back("a property definition without pid, identification, type or name is skipped: " +
                                     graph_.Path(e.object));
                    continue;
                }
                FilePropertyDefinition p;
                p.id = *pauid;
                if (!knownProperty) {
                    p.name = std::move(*pname);
                    p.description = ReadString(po, kPidDescription).value_or(std::string());
                }
                p.typeId = *ptype;
                p.pid = static_cast<std::uint16_t>(*pid);
                p.optional = ReadUnsigned(po, kPidIsOptional, 1).value_or(1) != 0;
                p.uniqueId = ReadUnsigned(po, kPidIsUniqueIdentifier, 1).value_or(0) != 0;
                c.properties.push_back(std::move(p));
            }
        }
        classes.push_back(std::move(c));
    }
    // A generic character type's size is found along its class's chain, which needs the classes
    // linked before the types are read; otherwise one link after both merges does.
    const auto typeObjects = elements(kPidTypeDefinitions);
    const bool genericCharacters = std::any_of(typeObjects.begin(), typeObjects.end(), [&](ObjectId id) {
        return graph_.object(id).classId == ids::kClassTypeDefinitionGenericCharacter;
    });
    model_.Merge(classes, {}, genericCharacters);

    std::vector<TypeDef> types;
    for (ObjectId id : typeObjects) {
        const StoredObject& o = graph_.object(id);
        TypeDef t;
        const auto auid = ReadAuid(o, kPidIdentification);
        auto name = ReadString(o, kPidName);
        if (!auid || !name || !TypeCategoryOfClass(o.classId, &t.category)) {
            notes_.push_back("a type definition without identification, name or known meta-class is skipped: " +
                             graph_.Path(id));
            continue;
        }
        t.id = *auid;
        t.name = std::move(*name);
        t.description = ReadString(o, kPidDescription).value_or(std::string());
        bool ok = true;
        auto need = [&ok](auto&& value) {
            if (!value)
                ok = false;
            return value ? std::move(*value) : std::decay_t<decltype(*value)>{};
        };
        switch (t.category) {
        case TypeCategory::Integer:
            t.size = std::uint32_t(need(ReadUnsigned(o, kPidIntSize, 1)));
            t.isSigned = need(ReadUnsigned(o, kPidIntIsSigned, 1)) != 0;
            break;
        case TypeCategory::Character:
            t.size = 2;
            if (o.classId == ids::kClassTypeDefinitionGenericCharacter) {
                const ClassDef* generic = model_.FindClass(o.classId);
                const PropertyDef* sizeDef = generic ? generic->FindProperty(ids::kPropertyCharacterSize) : nullptr;
                t.size = sizeDef && sizeDef->pid ? std::uint32_t(need(ReadUnsigned(o, sizeDef->pid, 1))) : 0;
                ok = ok && t.size != 0;
            }
            break;
        case TypeCategory::StrongObjectReference:
            t.referencedClassId = need(WeakKey(o, kPidStrongReferencedType));
            break;
        case TypeCategory::WeakObjectReference:
            t.referencedClassId = need(WeakKey(o, kPidWeakReferencedType));
            t.targetSet = need(ReadAuidArray(o, kPidTargetSet));
            break;
        case TypeCategory::Enumeration: {
            t.elementId = need(WeakKey(o, kPidEnumElementType));
            auto names = need(ReadStrings(o, kPidEnumElementNames));
            const auto values = need(ReadInt64Array(o, kPidEnumElementValues));
            ok = ok && names.size() == values.size();
            for (std::size_t i = 0; ok && i < names.size(); ++i)
                t.enumMembers.push_back(EnumMember{std::move(names[i]), values[i]});
            break;
        }
        case TypeCategory::ExtendibleEnumeration: {
            auto names = need(ReadStrings(o, kPidExtEnumElementNames));
            const auto values = need(ReadAuidArray(o, kPidExtEnumElementValues));
            ok = ok && names.size() == values.size();
            for (std::size_t i = 0; ok && i < names.size(); ++i)
                t.extEnumMembers.push_back(ExtEnumMember{std::move(names[i]), values[i]});
            break;
        }
        case TypeCategory::FixedArray:
            t.elementId = need(WeakKey(o, kPidFixedElementType));
            t.size = std::uint32_t(need(ReadUnsigned(o, kPidFixedElementCount, 4)));
            break;
        case TypeCategory::VariableArray:
            t.elementId = need(WeakKey(o, kPidVariableElementType));
            break;
        case TypeCategory::Set:
            t.elementId = need(WeakKey(o, kPidSetElementType));
            break;
        case TypeCategory::String:
            t.elementId = need(WeakKey(o, kPidStringElementType));
            break;
        case TypeCategory::Record: {
            const auto memberTypes = need(WeakKeys(o, kPidMemberTypes));
            auto memberNames = need(ReadStrings(o, kPidMemberNames));
            ok = ok && memberTypes.size() == memberNames.size();
            for (std::size_t i = 0; ok && i < memberTypes.size(); ++i)
                t.members.push_back(RecordMember{std::move(memberNames[i]), memberTypes[i], nullptr});
            break;
        }
        case TypeCategory::Rename:
            t.elementId = need(WeakKey(o, kPidRenamedType));
            break;
        case TypeCategory::Indirect:
        case TypeCategory::Opaque:
        case TypeCategory::Stream:
            break;
        }
        if (!ok) {
            notes_.push_back("type definition " + t.name + " (" + t.id.ToString() + ") is incomplete and skipped");
            continue;
        }
        types.push_back(std::move(t));
    }
    model_.Merge({}, types);
}

void FileModel::ReadDictionary()
{
    const ObjectId dictionary = StrongChild(StrongChild(StoredGraph::root(), kPidRootHeader), kPidHeaderDictionary);
    if (dictionary == kNoObject)
        return;
    for (const auto& set : kDictionarySets) {
        const StoredProperty* p = graph_.object(dictionary).Find(set.pid);
        if (!p)
            continue;
        for (const auto& e : p->elements) {
            if (e.object >= graph_.objects.size())
                continue;
            const StoredObject& o = graph_.object(e.object);
            const auto id = ReadAuid(o, kPidDefinitionIdentification);
            if (!id) {
                notes_.push_back("a definition without identification is skipped: " + graph_.Path(e.object));
                continue;
            }
            Definition d;
            d.kind = set.kind;
            d.id = *id;
            d.name = ReadString16(o, kPidDefinitionName).value_or(u"");
            d.description = ReadString16(o, kPidDefinitionDescription).value_or(u"");
            d.object = e.object;
            dictionary_.Add(std::move(d));
        }
    }
}

void FileModel::IndexWeakTargets()
{
    targets_.resize(graph_.referencedProperties.size());
    for (std::size_t tag = 0; tag < targets_.size(); ++tag) {
        TargetSet& t = targets_[tag];
        t.path = graph_.referencedProperties[tag];
        if (t.path.empty())
            continue;
        ObjectId at = StoredGraph::root();
        for (std::size_t i = 0; at != kNoObject && i + 1 < t.path.size(); ++i)
            at = StrongChild(at, t.path[i]);
        if (at == kNoObject)
            continue;
        const StoredProperty* set = graph_.object(at).Find(t.path.back());
        if (!set || set->form() != StoredForm::StrongReferenceSet)
            continue;
        t.set = set;
        for (const auto& e : set->elements)
            t.byKey.emplace(e.key, e.object);
    }
}

std::size_t FileModel::KeyHash::operator()(const PropertyKey& key) const noexcept
{
    // Eight bytes at a time, mixed; the bytes past the key's size do not count.
    std::uint64_t h = key.size;
    for (std::size_t at = 0; at < key.size; at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, key.bytes.data() + at, std::min<std::size_t>(8, key.size - at));
        h = (h ^ word) * 0x9e3779b97f4a7c15ull;
        h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
}

WeakTarget FileModel::Resolve(const WeakReference& reference) const
{
    WeakTarget target;
    target.reference = reference;
    if (reference.tag >= targets_.size())
        return target;
    const TargetSet& t = targets_[reference.tag];
    if (t.set && t.set->keyPid == reference.keyPid) {
        const auto it = t.byKey.find(reference.key);
        if (it != t.byKey.end())
            target.object = it->second;
    }
    if (reference.key.size != 16)
        return target;
    // Definitions of the model and the Dictionary are known by AUID, whether the file stores them
    // or not.
    const Auid key = Auid::FromBytes(reference.key.view());
    const auto& path = t.path;
    if (path.size() >= 2 && path[0] == kPidRootMetaDictionary) {
        if (path.size() == 2 && path[1] == kPidClassDefinitions)
            target.classDef = model_.FindClass(key);
        else if (path.size() == 2 && path[1] == kPidTypeDefinitions)
            target.typeDef = model_.FindType(key);
        else if (path.size() == 3 && path[1] == kPidClassDefinitions && path[2] == kPidProperties)
            target.propertyDef = model_.FindProperty(key);
    } else if (path.size() == 3 && path[0] == kPidRootHeader && path[1] == kPidHeaderDictionary) {
        for (const auto& set : kDictionarySets)
            if (set.pid == path[2])
                target.definition = dictionary_.Find(set.kind, key);
    }
    return target;
}

const ClassDef* FileModel::ClassOf(ObjectId object) const
{
    if (object >= graph_.objects.size())
        return nullptr;
    return model_.FindClass(graph_.object(object).classId);
}

const ClassDef& FileModel::KnownClassOf(ObjectId object) const
{
    const ClassDef* c = ClassOf(object);
    return c && c->knownAncestor ? *c->knownAncestor : model_.InterchangeObject();
}

bool FileModel::IsA(ObjectId object, const Auid& classId) const
{
    const ClassDef* c = ClassOf(object);
    return c && c->IsA(classId);
}

const PropertyDef* FileModel::DefinitionOf(ObjectId object, const StoredProperty& property) const
{
    const ClassDef* c = ClassOf(object);
    return c ? c->FindProperty(property.pid) : nullptr;
}

const StoredProperty* FileModel::FindProperty(ObjectId object, const Auid& propertyId) const
{
    const ClassDef* c = ClassOf(object);
    // One definition an AUID: it is the class's when its owner is along the class's chain.
    const PropertyDef* def = c ? model_.FindProperty(propertyId) : nullptr;
    if (!def || def->pid == 0 || !c->Inherits(def->owner))
        return nullptr;
    return graph_.object(object).Find(def->pid);
}

bool FileModel::DecodeProperty(ObjectId object, const Auid& propertyId, Value* out, std::string* error) const
{
    const StoredProperty* p = FindProperty(object, propertyId);
    if (!p) {
        if (error)
            *error = "not present";
        return false;
    }
    return Decode(object, *p, out, error);
}

bool FileModel::Decode(ObjectId object, const StoredProperty& property, Value* out, std::string* error) const
{
    std::string scratch;
    std::string& why = error ? *error : scratch;
    *out = Value{};
    if (object >= graph_.objects.size()) {
        why = "no such object";
        return false;
    }
    const ClassDef* c = ClassOf(object);
    if (!c) {
        why = "the object's class " + graph_.object(object).classId.ToString() + " is not defined";
        return false;
    }
    const PropertyDef* def = c->FindProperty(property.pid);
    if (!def) {
        why = "pid " + Hex16(property.pid) + " is not defined for class " + c->name;
        return false;
    }
    if (!def->type) {
        why = def->name + ": its type " + def->typeId.ToString() + " is not defined";
        return false;
    }
    const StoredForm form = property.form();
    if (form == StoredForm::Data)
        return DecodeData(model_, *def->type, property.value, out, &why);
    out->type = def->type;
    if (IsStrongForm(form)) {
        if (!FitsReferenceForm(def->type, TypeCategory::StrongObjectReference)) {
            why = def->name + ": a strong reference does not fit its type " + def->type->name;
            return false;
        }
        out->kind = form == StoredForm::StrongReference         ? ValueKind::StrongReference
                    : form == StoredForm::StrongReferenceVector ? ValueKind::StrongReferenceVector
                                                                : ValueKind::StrongReferenceSet;
        if (form == StoredForm::StrongReference && property.elements.size() != 1) {
            why = def->name + ": the referenced object is missing";
            return false;
        }
        for (const auto& e : property.elements)
            out->objects.push_back(e.object);
        out->count = out->objects.size();
        return true;
    }
    if (IsWeakForm(form)) {
        if (!FitsReferenceForm(def->type, TypeCategory::WeakObjectReference)) {
            why = def->name + ": a weak reference does not fit its type " + def->type->name;
            return false;
        }
        out->kind = form == StoredForm::WeakReference         ? ValueKind::WeakReference
                    : form == StoredForm::WeakReferenceVector ? ValueKind::WeakReferenceVector
                                                              : ValueKind::WeakReferenceSet;
        if (form == StoredForm::WeakReference && property.weak.size() != 1) {
            why = def->name + ": the weak reference is missing";
            return false;
        }
        for (const auto& w : property.weak)
            out->targets.push_back(Resolve(w));
        out->count = out->targets.size();
        return true;
    }
    if (form == StoredForm::DataStream) {
        const TypeDef* t = def->type;
        for (int i = 0; t && t->category == TypeCategory::Rename && i < 8; ++i)
            t = t->element;
        if (!t || t->category != TypeCategory::Stream) {
            why = def->name + ": a data stream does not fit its type " + def->type->name;
            return false;
        }
        out->kind = ValueKind::Stream;
        out->text = StoredName(graph_.object(object), property);
        out->bits = property.streamByteOrder;
        out->count = static_cast<std::size_t>(property.streamSize);
        return true;
    }
    why = def->name + ": stored form " + Hex16(property.storedForm) + " is not supported";
    return false;
}

}  // namespace aafsdk
