#include "aafsdk/model/ObjectModel.h"

#include <algorithm>

namespace aafsdk {
namespace {

struct MetaClassRow {
    Auid classId;
    TypeCategory category;
};

constexpr MetaClassRow kMetaClasses[] = {
    {"0d010101-0204-0000-060e-2b3402060101"_auid, TypeCategory::Integer},
    {"0d010101-0205-0000-060e-2b3402060101"_auid, TypeCategory::StrongObjectReference},
    {"0d010101-0206-0000-060e-2b3402060101"_auid, TypeCategory::WeakObjectReference},
    {"0d010101-0207-0000-060e-2b3402060101"_auid, TypeCategory::Enumeration},
    {"0d010101-0208-0000-060e-2b3402060101"_auid, TypeCategory::FixedArray},
    {"0d010101-0209-0000-060e-2b3402060101"_auid, TypeCategory::VariableArray},
    {"0d010101-020a-0000-060e-2b3402060101"_auid, TypeCategory::Set},
    {"0d010101-020b-0000-060e-2b3402060101"_auid, TypeCategory::String},
    {"0d010101-020c-0000-060e-2b3402060101"_auid, TypeCategory::Stream},
    {"0d010101-020d-0000-060e-2b3402060101"_auid, TypeCategory::Record},
    {"0d010101-020e-0000-060e-2b3402060101"_auid, TypeCategory::Rename},
    {"0d010101-0220-0000-060e-2b3402060101"_auid, TypeCategory::ExtendibleEnumeration},
    {"0d010101-0221-0000-060e-2b3402060101"_auid, TypeCategory::Indirect},
    {"0d010101-0222-0000-060e-2b3402060101"_auid, TypeCategory::Opaque},
    {"0d010101-0223-0000-060e-2b3402060101"_auid, TypeCategory::Character},
    {ids::kClassTypeDefinitionGenericCharacter, TypeCategory::Character},
};

constexpr const char* kCategoryNames[] = {
    "Integer", "Character", "String", "Record", "Enumeration", "ExtendibleEnumeration", "FixedArray",
    "VariableArray", "Set", "StrongObjectReference", "WeakObjectReference", "Rename", "Indirect", "Opaque",
    "Stream",
};

bool IsIntegerSize(std::uint32_t size) { return size == 1 || size == 2 || size == 4 || size == 8; }

}  // namespace

bool TypeCategoryOfClass(const Auid& classId, TypeCategory* out)
{
    for (const auto& row : kMetaClasses) {
        if (row.classId == classId) {
            *out = row.category;
            return true;
        }
    }
    return false;
}

const char* TypeCategoryName(TypeCategory category)
{
    const auto index = static_cast<std::size_t>(category);
    return index < std::size(kCategoryNames) ? kCategoryNames[index] : "Unknown";
}

const EnumMember* TypeDef::FindEnumMember(std::int64_t value) const
{
    for (const auto& m : enumMembers)
        if (m.value == value)
            return &m;
    return nullptr;
}

const ExtEnumMember* TypeDef::FindExtEnumMember(const Auid& value) const
{
    for (const auto& m : extEnumMembers)
        if (m.value == value)
            return &m;
    return nullptr;
}

const PropertyDef* ClassDef::FindProperty(std::uint16_t pid) const
{
    if (pid == 0)
        return nullptr;
    if (byPid_.empty())
        BuildPidTable();
    // Open addressing: at most half the slots are used, so a free one ends every probe.
    const std::size_t mask = byPid_.size() - 1;
    for (std::size_t i = PidSlot(pid, mask);; i = (i + 1) & mask) {
        const PidEntry& e = byPid_[i];
        if (e.pid == pid)
            return e.property;
        if (e.pid == 0)
            return nullptr;
    }
}

std::size_t ClassDef::PidSlot(std::uint16_t pid, std::size_t mask)
{
    return (std::size_t(pid) * 0x9e3779b1u >> 16) & mask;
}

void ClassDef::BuildPidTable() const
{
    std::size_t count = 0;
    int steps = 0;
    for (const ClassDef* c = this; c && steps < 4096; c = c->parent, ++steps)
        count += c->properties.size();
    std::size_t size = 8;
    while (size < 2 * count)
        size *= 2;
    byPid_.assign(size, PidEntry{0, nullptr});
    const std::size_t mask = size - 1;
    steps = 0;
    for (const ClassDef* c = this; c && steps < 4096; c = c->parent, ++steps) {
        for (const PropertyDef* prop : c->properties) {
            if (prop->pid == 0)
                continue;
            // The chain is walked most derived first: a pid already placed keeps its property.
            std::size_t i = PidSlot(prop->pid, mask);
            while (byPid_[i].pid != 0 && byPid_[i].pid != prop->pid)
                i = (i + 1) & mask;
            if (byPid_[i].pid == 0)
                byPid_[i] = PidEntry{prop->pid, prop};
        }
    }
}

const PropertyDef* ClassDef::FindProperty(const Auid& propertyId) const
{
    int steps = 0;
    for (const ClassDef* c = this; c && steps < 4096; c = c->parent, ++steps)
        for (const PropertyDef* prop : c->properties)
            if (prop->id == propertyId)
                return prop;
    return nullptr;
}

bool ClassDef::IsA(const Auid& ancestorId) const
{
    // The chain is free of cycles once linked; the bound is a second guard.
    int steps = 0;
    for (const ClassDef* c = this; c && steps < 4096; c = c->parent, ++steps)
        if (c->id == ancestorId)
            return true;
    return false;
}

bool ClassDef::Inherits(const ClassDef* ancestor) const
{
    int steps = 0;
    for (const ClassDef* c = this; c && steps < 4096; c = c->parent, ++steps)
        if (c == ancestor)
            return true;
    return false;
}

ObjectModel::ObjectModel() : ObjectModel(Unlinked{})
{
    Link();
}

ObjectModel::ObjectModel(Unlinked)
{
    // Room for the built-in rows and a file's usual additions, so the maps are not rehashed as they fill.
    classById_.Reserve(BaselineClasses().size() + 64);
    typeById_.Reserve(BaselineTypes().size() + 64);
    propertyById_.Reserve(BaselineProperties().size() + 256);
    for (const auto& row : BaselineClasses()) {
        ClassDef& c = classes_.emplace_back();
        c.id = row.auid;
        c.name = std::string(row.name);
        c.parentId = row.parent;
        c.concrete = row.concrete;
        c.builtin = true;
        classById_.Set(&c);
    }
    for (const auto& row : BaselineProperties()) {
        PropertyDef def;
        def.id = row.auid;
        def.name = std::string(row.name);
        def.pid = row.pid;
        def.typeId = row.type;
        def.optional = row.optional;
        def.uniqueId = row.uniqueId;
        def.builtin = true;
        AddProperty(*MutableClass(row.owner), std::move(def));
    }
    for (const auto& row : BaselineTypes()) {
        TypeDef& t = types_.emplace_back();
        t.id = row.auid;
        t.name = std::string(row.name);
        t.category = row.category;
        t.builtin = true;
        t.elementId = row.element;
        t.referencedClassId = row.referencedClass;
        t.isSigned = row.isSigned;
        t.size = row.sizeOrCount;
        t.keyPid = row.keyPid;
        for (auto pid : row.targetPath)
            if (pid != 0)
                t.targetPath.push_back(pid);
        typeById_.Set(&t);
    }
    for (const auto& row : BaselineRecordMembers()) {
        TypeDef& t = *typeById_.Find(row.record);
        if (t.members.size() <= row.index)
            t.members.resize(row.index + 1);
        t.members[row.index] = RecordMember{std::string(row.name), row.type, nullptr};
    }
    for (const auto& row : BaselineEnumMembers())
        typeById_.Find(row.type)->enumMembers.push_back(EnumMember{std::string(row.name), row.value});
    for (const auto& row : BaselineExtEnumMembers())
        typeById_.Find(row.type)->extEnumMembers.push_back(ExtEnumMember{std::string(row.name), row.value});
}

ClassDef* ObjectModel::MutableClass(const Auid& id)
{
    return classById_.Find(id);
}

PropertyDef& ObjectModel::AddProperty(ClassDef& owner, PropertyDef def)
{
    PropertyDef& p = properties_.emplace_back(std::move(def));
    p.owner = &owner;
    owner.properties.push_back(&p);
    propertyById_.Set(&p);
    return p;
}

const ClassDef* ObjectModel::FindClass(const Auid& id) const
{
    return classById_.Find(id);
}

const TypeDef* ObjectModel::FindType(const Auid& id) const
{
    return typeById_.Find(id);
}

const PropertyDef* ObjectModel::FindProperty(const Auid& id) const
{
    return propertyById_.Find(id);
}

void ObjectModel::Merge(const std::vector<FileClassDefinition>& classes, const std::vector<TypeDef>& types, bool link)
{
    for (const auto& stated : types) {
        if (typeById_.Find(stated.id))
            continue;  // built in, or stated twice
        TypeDef& t = types_.emplace_back(stated);
        t.builtin = false;
        t.element = nullptr;
        t.referencedClass = nullptr;
        typeById_.Set(&t);
    }
    // Classes first, so that properties stated under a class defined later still find it.
    for (const auto& stated : classes) {
        if (classById_.Find(stated.id))
            continue;
        ClassDef& c = classes_.emplace_back();
        c.id = stated.id;
        c.name = stated.name;
        c.description = stated.description;
        c.parentId = stated.parentId == stated.id ? Auid{} : stated.parentId;
        c.concrete = stated.concrete;
        classById_.Set(&c);
    }
    for (const auto& stated : classes) {
        ClassDef& owner = *MutableClass(stated.id);
        for (const auto& sp : stated.properties) {
            if (PropertyDef* known = propertyById_.Find(sp.id)) {
                PropertyDef& p = *known;
                if (p.pid == 0)
                    p.pid = sp.pid;  // a dynamic built-in property: the file hands out its pid
                else if (p.pid != sp.pid)
                    notes_.insert(notes_.begin() + std::ptrdiff_t(mergeNotes_++), "property " + p.name + " (" + p.id.ToString() + ") stated with pid " +
                                     std::to_string(sp.pid) + ", known as " + std::to_string(p.pid));
                continue;
            }
            PropertyDef def;
            def.id = sp.id;
            def.name = sp.name;
            def.description = sp.description;
            def.pid = sp.pid;
            def.typeId = sp.typeId;
            def.optional = sp.optional;
            def.uniqueId = sp.uniqueId;
            AddProperty(owner, std::move(def));
        }
    }
    if (link)
        Link();
}

void ObjectModel::Link()
{
    // Linking runs again after each merge: its findings replace those of the last run.
    notes_.resize(mergeNotes_);
    auto type = [this](const Auid& id) -> const TypeDef* {
        if (id == Auid{})
            return nullptr;
        return typeById_.Find(id);
    };

    // Classes: parents, repaired where missing or cyclic.
    interchangeObject_ = FindClass(ids::kClassInterchangeObject);
    for (auto& c : classes_) {
        c.parent = nullptr;
        c.ancestryRepaired = false;
        if (c.parentId != Auid{} && c.parentId != c.id) {
            c.parent = FindClass(c.parentId);
            if (!c.parent) {
                notes_.push_back("class " + c.name + " (" + c.id.ToString() + ") names a parent that does not exist");
                c.ancestryRepaired = true;
            }
        }
    }
    for (auto& c : classes_) {
        // A chain that comes back to a class it passed runs round for ever: the hare, two steps a
        // turn, meets the tortoise then, and never on a chain that ends.
        const ClassDef* tortoise = &c;
        const ClassDef* hare = &c;
        while (hare && hare->parent) {
            hare = hare->parent->parent;
            tortoise = tortoise->parent;
            if (hare && hare == tortoise) {
                notes_.push_back("class " + c.name + " (" + c.id.ToString() + ") has a parent cycle");
                c.parent = nullptr;
                c.ancestryRepaired = true;
                break;
            }
        }
    }
    for (auto& c : classes_) {
        // Only built-in classes are tops; a file's class that names none hangs under InterchangeObject.
        if (!c.builtin && !c.parent && !c.ancestryRepaired) {
            notes_.push_back("class " + c.name + " (" + c.id.ToString() + ") names no parent");
            c.ancestryRepaired = true;
        }
        if (c.ancestryRepaired && &c != interchangeObject_)
            c.parent = interchangeObject_;
    }
    for (auto& c : classes_) {
        c.knownAncestor = nullptr;
        for (const ClassDef* p = &c; p; p = p->parent) {
            if (p->builtin) {
                c.knownAncestor = p;
                break;
            }
        }
        if (!c.knownAncestor)
            c.knownAncestor = interchangeObject_;
        c.byPid_.clear();
        // A pid of the class's own taken again further along the chain: the class's own wins.
        for (const ClassDef* p = &c; p; p = p->parent) {
            for (const PropertyDef* prop : p->properties) {
                if (prop->pid == 0)
                    continue;
                for (const PropertyDef* own : c.properties) {
                    if (own == prop)
                        break;
                    if (own->pid == prop->pid) {
                        notes_.push_back("pid " + std::to_string(prop->pid) + " of " + prop->name + " is taken by " +
                                         own->name + " on class " + c.name);
                        break;
                    }
                }
            }
        }
    }
    for (auto& p : properties_)
        p.type = type(p.typeId);

    // Types: references, then sizes and completeness (a type is complete when every type it names,
    // transitively, exists; definition cycles leave it incomplete).
    for (auto& t : types_) {
        t.element = type(t.elementId);
        t.referencedClass = t.referencedClassId == Auid{} ? nullptr : FindClass(t.referencedClassId);
        for (auto& m : t.members)
            m.type = type(m.typeId);
        t.complete = false;
        t.fixedSize = 0;
    }
    using State = TypeDef::LinkState;
    for (auto& t : types_)
        t.linkState_ = State::Unvisited;
    // Types nest only a few levels in practice; a deeper chain from a file is left incomplete
    // rather than followed down the stack.
    constexpr int kMaxTypeDepth = 64;
    auto finish = [&](auto& self, TypeDef& t, int depth) -> void {
        State& s = t.linkState_;
        if (s != State::Unvisited || depth > kMaxTypeDepth)
            return;
        s = State::Visiting;
        auto ready = [&](const TypeDef* e) {
            if (!e)
                return false;
            self(self, const_cast<TypeDef&>(*e), depth + 1);
            return e->complete;
        };
        switch (t.category) {
        case TypeCategory::Integer:
            t.complete = IsIntegerSize(t.size);
            t.fixedSize = t.complete ? t.size : 0;
            break;
        case TypeCategory::Character:
            t.complete = t.size == 1 || t.size == 2 || t.size == 4;
            t.fixedSize = t.complete ? t.size : 0;
            break;
        case TypeCategory::Enumeration:
            t.complete = ready(t.element) && t.element->fixedSize != 0 && IsIntegerSize(t.element->fixedSize);
            t.fixedSize = t.complete ? t.element->fixedSize : 0;
            break;
        case TypeCategory::ExtendibleEnumeration:
            t.complete = true;
            t.fixedSize = 16;
            break;
        case TypeCategory::Record: {
            bool ok = !t.members.empty();
            std::uint64_t total = 0;
            for (const auto& m : t.members) {
                ok = ok && ready(m.type) && m.type->fixedSize != 0;
                if (ok)
                    total += m.type->fixedSize;
            }
            t.complete = ok && total <= 0xffff;
            t.fixedSize = t.complete ? std::uint32_t(total) : 0;
            break;
        }
        case TypeCategory::FixedArray:
            t.complete = ready(t.element) && t.element->fixedSize != 0 && t.size != 0 &&
                         std::uint64_t(t.size) * t.element->fixedSize <= 0xffff;
            t.fixedSize = t.complete ? t.size * t.element->fixedSize : 0;
            break;
        case TypeCategory::VariableArray:
        case TypeCategory::Set:
        case TypeCategory::String:
        case TypeCategory::Rename:
            t.complete = ready(t.element);
            t.fixedSize = t.category == TypeCategory::Rename && t.complete ? t.element->fixedSize : 0;
            break;
        case TypeCategory::StrongObjectReference:
        case TypeCategory::WeakObjectReference:
        case TypeCategory::Indirect:
        case TypeCategory::Opaque:
        case TypeCategory::Stream:
            t.complete = true;
            break;
        }
        s = State::Done;
    };
    for (auto& t : types_)
        finish(finish, t, 0);

    // The meta-class of each category: the first built-in class of that category, in class order.
    metaClasses_.fill(nullptr);
    for (const ClassDef& c : classes_) {
        TypeCategory category;
        if (c.builtin && TypeCategoryOfClass(c.id, &category)) {
            const ClassDef*& slot = metaClasses_[static_cast<std::size_t>(category)];
            if (slot == nullptr)
                slot = &c;
        }
    }
}

const ClassDef* ObjectModel::MetaClassOf(TypeCategory category) const
{
    const auto index = static_cast<std::size_t>(category);
    return index < metaClasses_.size() ? metaClasses_[index] : nullptr;
}

}  // namespace aafsdk
