#include "effects/PointParameterConversion.h"

#include <utility>

#include "aaf/ValueMakers.h"
#include "effects/ApplyConversionRule.h"
#include "effects/ControlPointFrame.h"
#include "effects/KeyframeFill.h"
#include "effects/ParameterBinding.h"
#include "effects/ParameterRecordData.h"
#include "fcpxml/FCPValueType.h"

namespace {

using Coordinate = float PointInfo::*;
using PointKeys = std::map<int, KeyframeInfo>;

bool IsVarying(const ParameterRecord* record) { return record != nullptr && !record->controlPoints.empty(); }

// The first constant value under the record's own rule; 0 without one.
float ConstantOf(const ParameterRecord* record)
{
    if (record == nullptr || record->constantValues.empty())
        return 0.0f;
    float value = ValueAsFloat(record->constantValues.front());
    ApplyConversionRule(value, record->mapping.rule);
    return value;
}

// The first point of a keyframe's first value, when it has one.
const PointInfo* PointOf(const KeyframeInfo& keyframe)
{
    if (keyframe.values.empty() || keyframe.values.front().points.empty())
        return nullptr;
    return &keyframe.values.front().points.front();
}

PointInfo* PointOf(KeyframeInfo& keyframe)
{
    return const_cast<PointInfo*>(PointOf(static_cast<const KeyframeInfo&>(keyframe)));
}

// Every control point with a value, converted by the record's rule, at its frame of the current
// item, as a point whose other coordinate is fixed; a later point at the same frame replaces an
// earlier one. A y record (pointy) gives the vertical coordinate, any other the horizontal one.
void CollectKeyframes(const ParameterRecord& record, float fixed, PointKeys& keys)
{
    const bool vertical = record.mapping.fcp.valueType == FCPValuePointY;
    for (const ControlPointInfo& point : record.controlPoints) {
        if (!HasValue(point.value))
            continue;
        std::pair<int, int> time{point.timeNumerator, point.timeDenominator};
        float number = ValueAsFloat(point.value);
        ApplyConversionRule(number, record.mapping.rule);
        KeyframeInfo keyframe(CurrentItemFrame(time, 2));
        ValueInfo value;
        value.points.push_back(vertical ? PointInfo{fixed, number} : PointInfo{number, fixed});
        keyframe.values.push_back(std::move(value));
        keys[keyframe.when] = std::move(keyframe);
    }
}

// The coordinate of every keyframe of target that has a point and a frame, taken from the keyframes
// of source; a source keyframe without a point or frame counts as 0.
void FillCoordinate(PointKeys& target, const PointKeys& source, Coordinate coordinate)
{
    const auto read = [coordinate](const KeyframeInfo& k) {
        const PointInfo* point = PointOf(k);
        return point != nullptr && k.when >= 0 ? point->*coordinate : 0.0f;
    };
    for (auto& [frame, keyframe] : target) {
        PointInfo* point = PointOf(keyframe);
        if (point != nullptr && keyframe.when >= 0)
            point->*coordinate = ValueAtFrame(source, frame, read);
    }
}

}  // namespace

PointParameterConversion::PointParameterConversion(const ParameterRecord* xRecord, const ParameterRecord* yRecord)
    : x(xRecord), y(yRecord)
{
}

void PointParameterConversion::Build(const std::string& name, const std::string& parameterId)
{
    parameter.SetNameAndId(name, parameterId);
    const auto hasData = [](const ParameterRecord* record) { return record != nullptr && HasData(*record); };
    if (!hasData(x) && !hasData(y))
        return;

    const bool xVarying = IsVarying(x);
    const bool yVarying = IsVarying(y);
    if (!xVarying)
        constX = ConstantOf(x);
    if (!yVarying)
        constY = ConstantOf(y);
    mode = xVarying ? (yVarying ? 4 : 3) : (yVarying ? 2 : 1);
    switch (mode) {
    case 1: {
        ValueInfo value;
        value.points.push_back(PointInfo{constX, constY});
        parameter.values.push_back(std::move(value));
        return;
    }
    case 2:
        CollectKeyframes(*y, constX, yKeys);
        parameter.AppendKeyframes(yKeys);
        break;
    case 3:
        CollectKeyframes(*x, constY, xKeys);
        parameter.AppendKeyframes(xKeys);
        break;
    default: {
        CollectKeyframes(*x, 0.0f, xKeys);
        CollectKeyframes(*y, 0.0f, yKeys);
        FillCoordinate(xKeys, yKeys, &PointInfo::vert);
        FillCoordinate(yKeys, xKeys, &PointInfo::horiz);
        PointKeys merged = xKeys;
        for (const auto& entry : yKeys)
            merged[entry.first] = entry.second;
        parameter.AppendKeyframes(merged);
        break;
    }
    }
    AddCurveInterpolation(parameter);
}
