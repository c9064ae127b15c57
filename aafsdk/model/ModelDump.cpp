#include "aafsdk/model/ModelDump.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"

namespace aafsdk {
namespace {

constexpr std::size_t kMaxBytesShown = 64;

const TypeDef* Unrenamed(const TypeDef* t)
{
    for (int i = 0; t && t->category == TypeCategory::Rename && i < 32; ++i)
        t = t->element;
    return t;
}

std::string HexBytes(std::span<const std::uint8_t> bytes, bool allBytes)
{
    const std::size_t shown = allBytes ? bytes.size() : kMaxBytesShown;
    std::string text = "<";
    for (std::size_t i = 0; i < bytes.size() && i < shown; ++i) {
        char digits[4];
        std::snprintf(digits, sizeof digits, i ? " %02x" : "%02x", bytes[i]);
        text += digits;
    }
    if (bytes.size() > shown)
        text += " ...";
    return text + ">" + (bytes.size() > shown ? " (" + std::to_string(bytes.size()) + " bytes)" : "");
}

std::string Integer(const Value& v)
{
    const TypeDef* t = Unrenamed(v.type);
    if (t && t->category == TypeCategory::Enumeration)
        t = Unrenamed(t->element);
    const bool isSigned = t && t->isSigned;
    return isSigned ? std::to_string(v.Int64()) : std::to_string(v.bits);
}

std::string MobIdText(std::span<const std::uint8_t> b)
{
    // Label, length, instance number, material AUID: the usual parts of a MobID.
    std::string text;
    char digits[4];
    for (std::size_t i = 0; i < 16; ++i) {
        std::snprintf(digits, sizeof digits, "%02x", b[i]);
        text += digits;
        if (i == 11 || i == 12 || i == 15)
            text += '-';
    }
    return text + Auid::FromBytes(b.subspan(16, 16)).ToString();
}

std::string DefinitionName(const Definition& d)
{
    return d.name.empty() && d.row ? std::string(d.row->name) : Utf16ToUtf8(d.name);
}

std::string TargetText(const FileModel& file, const WeakTarget& t)
{
    std::string text;
    if (t.definition)
        text = DefinitionName(*t.definition);
    else if (t.classDef)
        text = t.classDef->name;
    else if (t.typeDef)
        text = t.typeDef->name;
    else if (t.propertyDef)
        text = t.propertyDef->name;
    else if (t.object != kNoObject)
        text = file.graph().Path(t.object);
    else
        text = "(unresolved)";
    if (t.reference.key.size == 16)
        text += " {" + Auid::FromBytes(t.reference.key.view()).ToString() + "}";
    if (t.object == kNoObject && t.resolved())
        text += " (built in)";
    return text;
}

std::string Join(const std::vector<std::string>& parts)
{
    std::string text = "[";
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? ", " : "") + parts[i];
    return text + "]";
}

}  // namespace

std::string QuotedText(std::u16string_view text)
{
    std::string result = "\"";
    for (char c : Utf16ToUtf8(text)) {
        if (c == '"' || c == '\\')
            result += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + "\"";
}

std::string FormatValue(const FileModel& file, const Value& v, bool allBytes)
{
    switch (v.kind) {
    case ValueKind::Integer:
        return Integer(v);
    case ValueKind::Character:
        return QuotedText(std::u16string(1, char16_t(v.bits)));
    case ValueKind::Enumeration: {
        const TypeDef* t = Unrenamed(v.type);
        const EnumMember* m = t ? t->FindEnumMember(v.Int64()) : nullptr;
        return m ? m->name : Integer(v) + " (no member)";
    }
    case ValueKind::ExtendibleEnumeration: {
        const TypeDef* t = Unrenamed(v.type);
        const ExtEnumMember* m = t ? t->FindExtEnumMember(v.auid) : nullptr;
        return m ? m->name + " {" + v.auid.ToString() + "}" : "{" + v.auid.ToString() + "}";
    }
    case ValueKind::String:
        return QuotedText(v.text);
    case ValueKind::Record: {
        const TypeDef* t = Unrenamed(v.type);
        if (t && t->id == ids::kTypeAuid)
            return "{" + Auid::FromBytes(v.bytes).ToString() + "}";
        if (t && t->id == ids::kTypeMobId)
            return MobIdText(v.bytes);
        std::vector<std::string> parts;
        for (std::size_t i = 0; i < v.elements.size(); ++i)
            parts.push_back((t && i < t->members.size() ? t->members[i].name : "?") + ": " +
                            FormatValue(file, v.elements[i], allBytes));
        std::string text = Join(parts);
        return "{" + text.substr(1, text.size() - 2) + "}";
    }
    case ValueKind::FixedArray:
    case ValueKind::VariableArray:
    case ValueKind::Set: {
        const TypeDef* t = Unrenamed(v.type);
        const TypeDef* e = t ? Unrenamed(t->element) : nullptr;
        if (e && e->category == TypeCategory::Character) {
            // Strings placed end to end, each with its terminator.
            std::vector<std::string> parts;
            std::u16string current;
            for (char16_t c : v.text) {
                if (c == 0) {
                    parts.push_back(QuotedText(current));
                    current.clear();
                } else {
                    current.push_back(c);
                }
            }
            if (!current.empty())
                parts.push_back(QuotedText(current));
            return Join(parts);
        }
        if (v.elements.empty() && v.count != 0)
            return HexBytes(v.bytes, allBytes);
        std::vector<std::string> parts;
        for (const auto& element : v.elements)
            parts.push_back(FormatValue(file, element, allBytes));
        return Join(parts);
    }
    case ValueKind::Indirect:
    case ValueKind::Opaque: {
        const TypeDef* actual = file.model().FindType(v.auid);
        if (v.elements.empty())
            return "(type {" + v.auid.ToString() + "}) " + HexBytes(v.bytes.subspan(v.bytes.size() >= 17 ? 17 : 0), allBytes);
        return (actual ? actual->name : v.auid.ToString()) + " " + FormatValue(file, v.elements[0], allBytes);
    }
    case ValueKind::Stream:
        return "stream " + QuotedText(v.text) + " (" + std::to_string(v.count) + " bytes)";
    case ValueKind::StrongReference:
    case ValueKind::StrongReferenceVector:
    case ValueKind::StrongReferenceSet: {
        std::vector<std::string> parts;
        for (ObjectId id : v.objects) {
            const ClassDef* c = file.ClassOf(id);
            parts.push_back(c ? c->name : file.graph().object(id).classId.ToString());
        }
        return v.kind == ValueKind::StrongReference && parts.size() == 1 ? "-> " + parts[0] : "-> " + Join(parts);
    }
    case ValueKind::WeakReference:
    case ValueKind::WeakReferenceVector:
    case ValueKind::WeakReferenceSet: {
        std::vector<std::string> parts;
        for (const auto& t : v.targets)
            parts.push_back(TargetText(file, t));
        return v.kind == ValueKind::WeakReference && parts.size() == 1 ? "=> " + parts[0] : "=> " + Join(parts);
    }
    }
    return "?";
}

ModelCounts DumpModel(const FileModel& file, std::string* out, bool allBytes)
{
    ModelCounts counts;
    const StoredGraph& graph = file.graph();
    std::vector<bool> visited(graph.objects.size(), false);
    std::vector<std::pair<ObjectId, int>> stack{{StoredGraph::root(), 0}};
    while (!stack.empty()) {
        const auto [id, depth] = stack.back();
        stack.pop_back();
        if (id >= graph.objects.size() || visited[id])
            continue;
        visited[id] = true;
        ++counts.objects;
        const StoredObject& object = graph.object(id);
        const ClassDef* c = file.ClassOf(id);
        const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        if (!c)
            ++counts.unknownClasses;
        else if (!c->builtin)
            ++counts.extensionObjects;
        if (out) {
            *out += indent + graph.Path(id) + " ";
            if (!c)
                *out += "(unknown class {" + object.classId.ToString() + "})";
            else if (!c->builtin)
                *out += c->name + " (as " + c->knownAncestor->name + ")";
            else
                *out += c->name;
            *out += "\n";
        }
        std::vector<ObjectId> children;
        for (const StoredProperty& property : object.properties) {
            ++counts.properties;
            for (const auto& element : property.elements)
                children.push_back(element.object);
            if (!c)
                continue;
            const PropertyDef* def = c->FindProperty(property.pid);
            std::string line;
            Value value;
            std::string error;
            if (!def) {
                ++counts.unknownProperties;
                char pid[8];
                std::snprintf(pid, sizeof pid, "%04x", property.pid);
                line = std::string("(unknown pid ") + pid + ")";
            } else {
                if (!def->builtin)
                    ++counts.extensionProperties;
                line = def->name + ": ";
                if (!def->type || !def->type->complete) {
                    ++counts.unknownTypes;
                    line += "(unknown type {" + def->typeId.ToString() + "})";
                } else if (!file.Decode(id, property, &value, &error)) {
                    ++counts.decodeFailures;
                    line += def->type->name + " !! " + error;
                } else {
                    for (const auto& t : value.targets)
                        if (!t.resolved())
                            ++counts.unresolvedWeakReferences;
                    line += def->type->name + " = " + FormatValue(file, value, allBytes);
                }
            }
            if (out)
                *out += indent + "  " + line + "\n";
        }
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.emplace_back(*it, depth + 1);
    }
    return counts;
}

}  // namespace aafsdk
