#pragma once

#include "fcpxml/KeyframeInfo.h"
#include "fcpxml/ParameterInfo.h"

struct ParameterRecord;

// One AAF parameter bound to the FCP parameter it fills. The converter names the parameter first.
struct ParameterBinding {
    ParameterBinding(const ParameterRecord* record, const ParameterInfo& fcpParameter)
        : source(record), parameter(fcpParameter)
    {
    }

    const ParameterRecord* source;  // not owned
    ParameterInfo parameter;
};

// The record's constant value, or else its control points as keyframes on the current item's
// frames, into the parameter. Nothing without data or without a current item.
void FillParameterValues(ParameterBinding& binding);
void AddConstantParameterValue(ParameterBinding& binding);
void AddControlPointKeyframes(ParameterBinding& binding);
// Appends the keyframe when it holds a value or a Bezier point and lies on a frame (not negative).
void AddKeyframeIfSet(const KeyframeInfo& keyframe, ParameterInfo& parameter);
// Keyframes are written as a curve.
void AddCurveInterpolation(ParameterInfo& parameter);
// Stores a parameter with data in the Basic Motion of the current clip or generator item. Answers
// whether the item kept it (not when its Basic Motion holds that parameter already).
bool AddToCurrentItemMotion(const ParameterInfo& parameter);
