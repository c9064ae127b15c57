#pragma once

#include <map>
#include <string>

#include "effects/EffectTranslator.h"
#include "effects/motion/MotionEffectInfo.h"
#include "fcpxml/ParameterInfo.h"

class FCPClipItemTag;

// The record of a speed change's conversion: the head, the clip item it retimes (the current item;
// not owned), the motion read from the effect and the five parameters of the "timeremap" filter.
struct TimeRemapTranslator : EffectTranslator {
    TimeRemapTranslator(const ComponentContext& effectContext, const Auid& operation,
                        std::map<std::string, ParameterRecord>* effectParameters, FCPClipItemTag* item);

    // The "timeremap" filter with the speed of the effect's ratio and, for a variable speed, the
    // keyframes of its motion graph. A clip item without a file cannot be retimed: it is logged as
    // an error and nested instead.
    void TranslateTimeRemap();

    FCPClipItemTag* clipItem;
    MotionEffectInfo motion;
    ParameterInfo variableSpeed;
    ParameterInfo speed;
    ParameterInfo reverse;
    ParameterInfo frameBlending;
    ParameterInfo graphDict;

private:
    void AttachFilter();
};
