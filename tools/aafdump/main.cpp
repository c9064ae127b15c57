// Prints the object tree of an AAF file: one line an object (storage path, class AUID), one line a
// property (pid, stored form, size, what it references), then the object count of each class and
// any damage the reader worked around; with --model, every property decoded by its type (byte
// arrays cut at 64 bytes unless --all-bytes). The output depends only on the file.

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "aafsdk/cfb/CompoundFile.h"
#include "aafsdk/model/FileModel.h"
#include "aafsdk/model/ModelDump.h"
#include "aafsdk/stored/StoredGraph.h"

namespace {

using aafsdk::ObjectId;
using aafsdk::StoredForm;
using aafsdk::StoredGraph;
using aafsdk::StoredProperty;

struct FormName {
    StoredForm form;
    const char* name;
};

constexpr FormName kFormNames[] = {
    {StoredForm::WeakReference, "weak-reference"},
    {StoredForm::WeakStoredObjectId, "weak-stored-object-id"},
    {StoredForm::WeakReferenceVector, "weak-reference-vector"},
    {StoredForm::WeakReferenceSet, "weak-reference-set"},
    {StoredForm::StrongReference, "strong-reference"},
    {StoredForm::StrongReferenceVector, "strong-reference-vector"},
    {StoredForm::StrongReferenceSet, "strong-reference-set"},
    {StoredForm::OpaqueStream, "opaque-stream"},
    {StoredForm::DataStream, "data-stream"},
    {StoredForm::Data, "data"},
    {StoredForm::UniqueObjectId, "unique-object-id"},
    {StoredForm::DataVector, "data-vector"},
    {StoredForm::DataSet, "data-set"},
};

std::string Hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*x", digits, value);
    return text;
}

std::string FormText(std::uint16_t form)
{
    for (const FormName& row : kFormNames)
        if (static_cast<std::uint16_t>(row.form) == form)
            return row.name;
    return "form-" + Hex(form, 4);
}

std::string KeyText(const aafsdk::PropertyKey& key)
{
    if (key.size == 16)
        return aafsdk::Auid::FromBytes(key.view()).ToString();
    std::string text;
    for (std::uint8_t b : key.view()) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", b);
        text += digits;
    }
    return text;
}

std::string WeakText(const StoredGraph& graph, const aafsdk::WeakReference& weak)
{
    const ObjectId target = graph.ResolveWeak(weak);
    return "tag " + std::to_string(weak.tag) + " key " + KeyText(weak.key) + " -> " +
           (target == aafsdk::kNoObject ? std::string("(unresolved)") : graph.Path(target));
}

std::string PropertyLine(const StoredGraph& graph, const aafsdk::StoredObject& object, const StoredProperty& property)
{
    std::string line = Hex(property.pid, 4) + " " + FormText(property.storedForm) + " " +
                       std::to_string(property.value.size());
    switch (property.form()) {
    case StoredForm::StrongReference:
        if (!property.elements.empty())
            line.append(" -> ").append(graph.Path(property.elements.front().object));
        break;
    case StoredForm::StrongReferenceVector:
    case StoredForm::StrongReferenceSet:
        line.append(" ").append(aafsdk::Utf16ToUtf8(aafsdk::StoredName(object, property)) + " [" + std::to_string(property.elements.size()) + "]");
        break;
    case StoredForm::WeakReference:
        if (!property.weak.empty())
            line.append(" ").append(WeakText(graph, property.weak.front()));
        break;
    case StoredForm::WeakReferenceVector:
    case StoredForm::WeakReferenceSet:
        line.append(" ").append(aafsdk::Utf16ToUtf8(aafsdk::StoredName(object, property)) + " [" + std::to_string(property.weak.size()) + "]");
        break;
    case StoredForm::DataStream:
        line += " -> " + aafsdk::Utf16ToUtf8(aafsdk::StoredName(object, property)) + " (" + std::to_string(property.streamSize) + " bytes)";
        break;
    default:
        break;
    }
    return line;
}

void PrintTree(const StoredGraph& graph)
{
    std::vector<std::pair<ObjectId, int>> stack{{StoredGraph::root(), 0}};
    while (!stack.empty()) {
        const auto [id, depth] = stack.back();
        stack.pop_back();
        const auto& object = graph.object(id);
        const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        std::printf("%s%s %s\n", indent.c_str(), graph.Path(id).c_str(), object.classId.ToString().c_str());
        std::vector<ObjectId> children;
        for (const StoredProperty& property : object.properties) {
            std::printf("%s  %s\n", indent.c_str(), PropertyLine(graph, object, property).c_str());
            if (property.form() == StoredForm::WeakReferenceVector || property.form() == StoredForm::WeakReferenceSet)
                for (const auto& weak : property.weak)
                    std::printf("%s    %s\n", indent.c_str(), WeakText(graph, weak).c_str());
            for (const auto& element : property.elements)
                children.push_back(element.object);
        }
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.emplace_back(*it, depth + 1);
    }
}

void PrintSummary(const StoredGraph& graph)
{
    std::map<aafsdk::Auid, std::size_t> counts;
    for (const auto& object : graph.objects)
        ++counts[object.classId];
    std::printf("objects %zu\n", graph.objects.size());
    for (const auto& [classId, count] : counts)
        std::printf("class %s %zu\n", classId.ToString().c_str(), count);
    for (const auto& damage : graph.damage)
        std::printf("damage %s %s %s\n", damage.path.c_str(), Hex(static_cast<unsigned>(damage.code), 8).c_str(),
                    damage.what.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    bool countsOnly = false;
    bool model = false;
    bool allBytes = false;
    while (args.size() > 1 && (args.front() == "--counts" || args.front() == "--model" || args.front() == "--all-bytes")) {
        bool& flag = args.front() == "--counts" ? countsOnly : args.front() == "--model" ? model : allBytes;
        if (flag)
            break;  // given twice: a usage error
        flag = true;
        args.erase(args.begin());
    }
    if (args.size() != 1 || args.back().empty() || args.back()[0] == '-') {
        std::fprintf(stderr, "usage: aafdump [--counts] [--model [--all-bytes]] FILE.aaf\n");
        return 2;
    }
    const std::string& path = args.back();
    std::unique_ptr<StoredGraph> graph;
    const aafsdk::AafResult result = aafsdk::ReadStoredGraph(path, &graph);
    if (!aafsdk::Succeeded(result)) {
        std::fprintf(stderr, "aafdump: cannot read %s: %s\n", path.c_str(), Hex(static_cast<unsigned>(result), 8).c_str());
        return 1;
    }
    if (model) {
        // Every property by class and property name, with its type and decoded value.
        const auto file = aafsdk::FileModel::Build(*graph);
        std::string text;
        const aafsdk::ModelCounts c = aafsdk::DumpModel(*file, countsOnly ? nullptr : &text, allBytes);
        std::fputs(text.c_str(), stdout);
        for (const auto& note : file->notes())
            std::printf("note %s\n", note.c_str());
        std::printf("objects %zu properties %zu extension-objects %zu extension-properties %zu unknown-classes %zu "
                    "unknown-properties %zu unknown-types %zu decode-failures %zu unresolved-weak %zu\n",
                    c.objects, c.properties, c.extensionObjects, c.extensionProperties, c.unknownClasses,
                    c.unknownProperties, c.unknownTypes, c.decodeFailures, c.unresolvedWeakReferences);
        return 0;
    }
    if (!countsOnly)
        PrintTree(*graph);
    PrintSummary(*graph);
    return 0;
}
