#include "effects/motion/TimeRemapTranslator.h"

#include "aaf/import/NestedSequences.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/TranslationLog.h"
#include "effects/motion/MotionGraphRequest.h"
#include "fcpxml/BasicMotionBase.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/NumberText.h"

namespace {

const char* const kFcpName = "Time Remap";
const char* const kAvidName = "Motion Effects/Timewarp";

}  // namespace

TimeRemapTranslator::TimeRemapTranslator(const ComponentContext& effectContext, const Auid& operation,
                                         std::map<std::string, ParameterRecord>* effectParameters,
                                         FCPClipItemTag* item)
    : EffectTranslator(effectContext, operation, effectParameters), clipItem(item)
{
    SetFCPEffect("timeremap");
    variableSpeed.SetNameIdAndRange("variablespeed", "variablespeed", "0", "1");
    speed.SetNameIdAndRange("speed", "speed", "-10000", "10000");
    reverse.SetNameAndId("reverse", "reverse");
    frameBlending.SetNameAndId("frameblending", "frameblending");
}

void TimeRemapTranslator::TranslateTimeRemap()
{
    FCPClipItemTag& item = *clipItem;
    const int componentLength = context.length;
    if (item.GetFileDuration() == -1) {
        AddTranslationToCurrentItem(kTranslationError, kFcpName, kAvidName, "Error: Invalid file length");
        // Nested for the length of the group, so the sequence holds all the item plays.
        item.in = 0;
        item.out = componentLength;
        NestClipItemInSequence(componentLength, item);
        return;
    }
    if (parameters)
        ReadMotionEffectInfo(*parameters, motion, componentLength);
    speed.AddValue(IntToString(SpeedPercent(motion.speedRatioNumerator, motion.speedRatioDenominator)));
    if (NeedsMotionGraph(motion)) {
        MotionGraphRequest request;
        request.clipItem = clipItem;
        request.graphDict = &graphDict;
        request.motion = &motion;
        request.componentLength = componentLength;
        PrepareGraphRange(request);
        CreateMotionGraph(request);
    } else {
        variableSpeed.AddValue("0");
    }
    AttachFilter();
}

void TimeRemapTranslator::AttachFilter()
{
    variableSpeed.AddDefaultValue("1");
    effect.parameters.push_back(variableSpeed);
    speed.AddDefaultValue("100");
    effect.parameters.push_back(speed);
    reverse.AddDefaultValue("FALSE");
    effect.parameters.push_back(reverse);
    frameBlending.AddDefaultValue("TRUE");
    effect.parameters.push_back(frameBlending);
    BasicMotionBase::AddParameterIfSet(graphDict, effect);
    if (AttachFilterToCurrentItem(*this))
        AddTranslationToCurrentItem(kTranslationApplied, kFcpName, kAvidName, "Applied");
}
