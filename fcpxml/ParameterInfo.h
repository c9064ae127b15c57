#pragma once

#include <map>
#include <string>
#include <vector>

#include "fcpxml/KeyframeInfo.h"
#include "fcpxml/ValueEntryInfo.h"
#include "fcpxml/ValueInfo.h"

struct FCPParameterSpec;

// The "parameter" element with its values, value lists and keyframes.
struct ParameterInfo {
    ParameterInfo() = default;
    ParameterInfo(std::string parameterName, std::string id);
    ParameterInfo(std::string parameterName, std::string id, std::string min, std::string max);

    void SetNameAndId(const std::string& parameterName, const std::string& id);
    void SetNameIdAndRange(const std::string& parameterName, const std::string& id,
                           const std::string& min, const std::string& max);

    // Appends a value holding the text, escaped when written.
    void AddValue(const std::string& valueText);
    // Appends a value holding the text, written as it stands.
    void AddRawValue(const std::string& valueText);
    // AddValue, only while the parameter has neither keyframes nor values.
    void AddDefaultValue(const std::string& valueText);
    // Appends every keyframe of the map in ascending key order.
    void AppendKeyframes(const std::map<int, KeyframeInfo>& frames);
    // Whether there is anything to write.
    bool HasValuesOrKeyframes() const;

    std::string valuemin;
    std::string valuemax;
    std::string name;
    std::string parameterid;
    std::vector<ValueInfo> values;
    std::vector<std::vector<ValueEntryInfo>> valuelists;
    std::vector<KeyframeInfo> keyframes;
    std::vector<std::string> interpolations;  // written after the keyframes, only with keyframes
};

// Nothing at all for a parameter without values and keyframes.
void WriteParameter(const ParameterInfo& parameter);

// "input_" and the FCP parameter name, then "_X" for a pointx or "_Y" for a pointy value type.
std::string MakeInputParameterName(const FCPParameterSpec& spec);
