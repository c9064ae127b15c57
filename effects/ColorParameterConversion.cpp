#include "effects/ColorParameterConversion.h"

#include <array>
#include <utility>

#include "aaf/ValueMakers.h"
#include "effects/ControlPointFrame.h"
#include "effects/KeyframeFill.h"
#include "effects/ParameterBinding.h"
#include "effects/ParameterRecordData.h"
#include "fcpxml/FCPValueType.h"
#include "records/FloatToInt.h"

namespace {

using Channel = double ChannelKeyframe::*;
using ChannelKeys = std::map<int, ChannelKeyframe>;

bool IsVarying(const ParameterRecord* record) { return record != nullptr && !record->controlPoints.empty(); }

float ConstantOf(const ParameterRecord* record)
{
    if (record == nullptr || record->constantValues.empty())
        return 0.0f;
    return ValueAsFloat(record->constantValues.front());
}

// The channel a record's values fill, by its FCP value type; none for any other type.
Channel ChannelOf(const ParameterRecord& record)
{
    switch (record.mapping.fcp.valueType) {
    case FCPValueRed: return &ChannelKeyframe::red;
    case FCPValueGreen: return &ChannelKeyframe::green;
    case FCPValueBlue: return &ChannelKeyframe::blue;
    default: return nullptr;
    }
}

// Every control point with a value, at its frame of the current item; a later point at the same
// frame replaces an earlier one. No rule applies to colour channels.
void CollectKeyframes(const ParameterRecord& record, ChannelKeys& keys)
{
    const Channel channel = ChannelOf(record);
    for (const ControlPointInfo& point : record.controlPoints) {
        if (!HasValue(point.value))
            continue;
        std::pair<int, int> time{point.timeNumerator, point.timeDenominator};
        ChannelKeyframe keyframe;
        if (channel != nullptr)
            keyframe.*channel = ValueAsFloat(point.value);
        keys[CurrentItemFrame(time, 2)] = keyframe;
    }
}

// The channel of every keyframe of target, taken from the keyframes of source.
void FillChannel(ChannelKeys& target, const ChannelKeys& source, Channel channel)
{
    for (auto& [frame, keyframe] : target)
        keyframe.*channel = ValueAtFrame(source, frame, [channel](const ChannelKeyframe& k) {
            return static_cast<float>(k.*channel);
        });
}

ColorInfo ColorOf(double red, double green, double blue)
{
    return ColorInfo{255, FloatToInt(red), FloatToInt(green), FloatToInt(blue)};
}

}  // namespace

ColorParameterConversion::ColorParameterConversion(const ParameterRecord* redRecord,
                                                   const ParameterRecord* greenRecord,
                                                   const ParameterRecord* blueRecord)
    : red(redRecord), green(greenRecord), blue(blueRecord)
{
}

void ColorParameterConversion::Build(const std::string& name, const std::string& parameterId)
{
    parameter.SetNameAndId(name, parameterId);
    const auto hasData = [](const ParameterRecord* record) { return record != nullptr && HasData(*record); };
    if (!hasData(red) && !hasData(green) && !hasData(blue))
        return;

    struct Input {
        const ParameterRecord* record;
        float* constant;
        ChannelKeys* keys;
        Channel channel;
        bool varying;
    };
    std::array<Input, 3> inputs{{
        {red, &constRed, &redKeys, &ChannelKeyframe::red, IsVarying(red)},
        {green, &constGreen, &greenKeys, &ChannelKeyframe::green, IsVarying(green)},
        {blue, &constBlue, &blueKeys, &ChannelKeyframe::blue, IsVarying(blue)},
    }};
    for (Input& input : inputs)
        if (!input.varying)
            *input.constant = ConstantOf(input.record);

    static constexpr int kModes[2][2][2] = {{{1, 4}, {3, 7}}, {{2, 6}, {5, 8}}};
    mode = kModes[inputs[0].varying][inputs[1].varying][inputs[2].varying];
    if (mode == 1) {
        ValueInfo value;
        value.colors.push_back(ColorOf(constRed, constGreen, constBlue));
        parameter.values.push_back(std::move(value));
        return;
    }

    for (Input& input : inputs) {
        if (!input.varying)
            continue;
        CollectKeyframes(*input.record, *input.keys);
        for (const Input& constant : inputs)
            if (!constant.varying)
                for (auto& entry : *input.keys)
                    entry.second.*constant.channel = *constant.constant;
    }
    // Each pair of varying channels fills the other's channel into its keyframes: red with green,
    // green with blue, then red with blue.
    static constexpr std::pair<int, int> kPairs[] = {{0, 1}, {1, 2}, {0, 2}};
    for (const auto& [first, second] : kPairs) {
        const Input& a = inputs[static_cast<std::size_t>(first)];
        const Input& b = inputs[static_cast<std::size_t>(second)];
        if (!a.varying || !b.varying)
            continue;
        FillChannel(*a.keys, *b.keys, b.channel);
        FillChannel(*b.keys, *a.keys, a.channel);
    }
    for (const Input& input : inputs)
        if (input.varying)
            for (const auto& entry : *input.keys)
                mergedKeys[entry.first] = entry.second;

    for (const auto& [frame, keyframe] : mergedKeys) {
        if (frame < 0)
            continue;
        KeyframeInfo out(frame);
        ValueInfo value;
        value.colors.push_back(ColorOf(keyframe.red, keyframe.green, keyframe.blue));
        out.values.push_back(std::move(value));
        parameter.keyframes.push_back(std::move(out));
    }
    AddCurveInterpolation(parameter);
}
