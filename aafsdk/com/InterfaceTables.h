#pragma once

// The dispatch rows of each group of interfaces, one function per source file. QueryInterface
// looks through all of them in this order; the first row whose interface and class match answers.

#include <span>

#include "aafsdk/com/ComObject.h"

namespace aafsdk::com {

std::span<const InterfaceEntry> MobInterfaceRows();         // header, dictionary, mobs
std::span<const InterfaceEntry> ValueInterfaceRows();       // tagged values, KLV data, type definitions
std::span<const InterfaceEntry> SlotInterfaceRows();        // slots and data definitions
std::span<const InterfaceEntry> SegmentInterfaceRows();     // components, segments, events, transitions
std::span<const InterfaceEntry> DescriptorInterfaceRows();  // essence descriptors and locators
std::span<const InterfaceEntry> EffectInterfaceRows();      // operation groups, parameters, control points
std::span<const InterfaceEntry> DefinitionInterfaceRows();  // definition and meta-definition names
std::span<const InterfaceEntry> PropertyInterfaceRows();    // generic property access
std::span<const InterfaceEntry> TypeDefinitionInterfaceRows();  // the typed type-definition interfaces

}  // namespace aafsdk::com

namespace aafsdk::com {

// The definition a weak reference of owner names (Component::DataDefinition, OperationGroup::Operation,
// VaryingValue::Interpolation), as interface iid: the file's definition object when it stores one of
// class definitionClass, else the definition by AUID (built in, or known by its AUID alone).
[[nodiscard]] HRESULT HandDefinition(const FilePtr& file, const StoredObject& owner, std::uint16_t pid,
                                     DefinitionKind kind, const Auid& definitionClass, REFIID iid, void** out);

// The data definition a weak reference (Component::DataDefinition, OperationDefinition::DataDefinition)
// names, as IAAFDataDef.
[[nodiscard]] HRESULT HandDataDefinition(const FilePtr& file, const StoredObject& owner, std::uint16_t pid,
                                         IAAFDataDef** out);

}  // namespace aafsdk::com

namespace aafsdk::com {

// The model's type definition an IAAFTypeDef object stands for (a type subject, or a stored type
// definition of the MetaDictionary); nullptr when the model does not know it.
const TypeDef* TypeOfSubject(const ModelObject& object);

}  // namespace aafsdk::com
