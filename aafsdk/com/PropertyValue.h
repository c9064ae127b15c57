#pragma once

// Property values of the generic access: a decoded value of the model with its type, and the
// enumerator over the elements of a set. The type-definition interfaces read them.

#include "aafsdk/com/ComObject.h"

namespace aafsdk::com {

class PropertyValue final : public Standalone<IAAFPropertyValue> {
public:
    PropertyValue(FilePtr file, Value value) : file_(std::move(file)), value_(std::move(value)) {}

    // Every value this layer hands out has a type of the model.
    HRESULT IsDefinedType(aafBoolean_t* pIsDefined) override;
    HRESULT GetType(IAAFTypeDef** ppTypeDef) override;

    const FilePtr& file() const { return file_; }
    const Value& value() const { return value_; }

    // The value behind a property value this layer handed out; nullptr for a null pointer or any
    // other implementation.
    static const PropertyValue* Of(IAAFPropertyValue* value) { return dynamic_cast<const PropertyValue*>(value); }

private:
    FilePtr file_;
    Value value_;
};

// Hands out a value as a new property value.
[[nodiscard]] HRESULT HandValue(const FilePtr& file, Value value, IAAFPropertyValue** out);

// The number of elements of an array, a set or a collection of references; 0 for other values.
std::size_t ElementCount(const Value& collection);
// Element index of such a value as a value of its own, typed by the collection's element type.
[[nodiscard]] bool CollectionElement(const Value& collection, std::size_t index, Value* out);

// The elements of a collection value one after the other; AAFRESULT_NO_MORE_OBJECTS past the last.
class PropertyValueEnumerator final : public Standalone<IEnumAAFPropertyValues> {
public:
    PropertyValueEnumerator(FilePtr file, Value collection)
        : file_(std::move(file)), collection_(std::move(collection))
    {
    }
    HRESULT NextOne(IAAFPropertyValue** ppPropertyValue) override;

private:
    FilePtr file_;
    Value collection_;
    std::size_t next_ = 0;
};

}  // namespace aafsdk::com
