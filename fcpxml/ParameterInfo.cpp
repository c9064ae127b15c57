#include "fcpxml/ParameterInfo.h"

#include "fcpxml/FCPValueType.h"
#include "fcpxml/XmlWriter.h"
#include "records/ParameterMapping.h"

ParameterInfo::ParameterInfo(std::string parameterName, std::string id)
    : name(std::move(parameterName)), parameterid(std::move(id))
{
}

ParameterInfo::ParameterInfo(std::string parameterName, std::string id, std::string min,
                             std::string max)
    : valuemin(std::move(min)),
      valuemax(std::move(max)),
      name(std::move(parameterName)),
      parameterid(std::move(id))
{
}

void ParameterInfo::SetNameAndId(const std::string& parameterName, const std::string& id)
{
    name = parameterName;
    parameterid = id;
}

void ParameterInfo::SetNameIdAndRange(const std::string& parameterName, const std::string& id,
                                      const std::string& min, const std::string& max)
{
    SetNameAndId(parameterName, id);
    valuemin = min;
    valuemax = max;
}

void ParameterInfo::AddValue(const std::string& valueText) { values.emplace_back(valueText); }

void ParameterInfo::AddRawValue(const std::string& valueText)
{
    values.emplace_back(valueText).raw = true;
}

void ParameterInfo::AddDefaultValue(const std::string& valueText)
{
    if (keyframes.empty() && values.empty())
        AddValue(valueText);
}

void ParameterInfo::AppendKeyframes(const std::map<int, KeyframeInfo>& frames)
{
    for (const auto& [key, keyframe] : frames)
        keyframes.push_back(keyframe);
}

bool ParameterInfo::HasValuesOrKeyframes() const { return !values.empty() || !keyframes.empty(); }

void WriteParameter(const ParameterInfo& parameter)
{
    if (!parameter.HasValuesOrKeyframes())
        return;
    WriteXmlContainer("parameter", [&] {
        WriteXmlTextElement("parameterid", parameter.parameterid);
        WriteXmlTextElement("name", parameter.name);
        if (!parameter.valuemin.empty())
            WriteXmlTextElement("valuemin", parameter.valuemin);
        if (!parameter.valuemax.empty())
            WriteXmlTextElement("valuemax", parameter.valuemax);
        if (!parameter.keyframes.empty()) {
            for (const KeyframeInfo& keyframe : parameter.keyframes)
                WriteKeyframe(keyframe);
            for (const std::string& interpolation : parameter.interpolations)
                WriteXmlContainer("interpolation",
                                  [&] { WriteXmlTextElement("name", interpolation); });
        }
        for (const auto& list : parameter.valuelists)
            WriteValueList(list);
        for (const ValueInfo& value : parameter.values)
            WriteValue(value);
    });
}

std::string MakeInputParameterName(const FCPParameterSpec& spec)
{
    std::string result = "input_" + spec.name;
    if (spec.valueType == FCPValuePointX)
        result += "_X";
    else if (spec.valueType == FCPValuePointY)
        result += "_Y";
    return result;
}
