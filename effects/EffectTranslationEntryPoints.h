#pragma once

#include "aaf/import/EffectEntryPoints.h"

// The effect translation as the import calls it: the operation-group and transition entries of the
// segment traversal, the layer-parameter resolution of the track layout, and the reader of
// parameters reached through object references.
EffectEntryPoints EffectTranslationEntryPoints();
