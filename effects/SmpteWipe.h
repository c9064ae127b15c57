#pragma once

#include "effects/TransitionTranslator.h"

// Names the wipe after its SMPTE wipe number ("Unknown SMPTE Wipe" for a number without a name) on
// the transition item. Always false: no wipe is carried over, so the transition goes on as one
// that cannot be translated, under the wipe's name.
bool TranslateSmpteWipe(SmpteWipeTranslator& translator);
