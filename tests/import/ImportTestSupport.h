#pragma once

#include <gtest/gtest.h>

#include "aaf/import/EventMarkers.h"
#include "aaf/import/ImportState.h"
#include "aaf/import/TimelineBuilder.h"
#include "config/ConfigurationState.h"
#include "config/ImportPreferences.h"
#include "config/MediaSettings.h"
#include "config/TranslationLog.h"
#include "fcpxml/DocumentState.h"
#include "fcpxml/FCPClipItemTag.h"
#include "fcpxml/FCPFillerTag.h"
#include "fcpxml/FCPGeneratorItemTag.h"
#include "fcpxml/FCPSequenceTag.h"
#include "fcpxml/FCPTransitionItemTag.h"
#include "fcpxml/IDTagBase.h"
#include "records/RecordsState.h"

namespace importtest {

// Every test starts and ends with the builder, the id registry, the log, the markers and the
// preferences it touches as a fresh run has them.
class ImportTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        ResetConfigurationState();
        ResetRecordsState();
        ResetDocumentState();
        ResetImportState();
    }
};

// A clip item playing in..out of its source.
inline FCPClipItemTag Clip(const std::string& name, int in, int out, int mediaType = 2)
{
    FCPClipItemTag clip(name);
    clip.mediaType = mediaType;
    clip.in = in;
    clip.out = out;
    clip.duration = out - in;
    return clip;
}

inline FCPSequenceTag& PushSequence(const std::string& name)
{
    FCPSequenceTag sequence(OutputMediaSettings);
    sequence.name = name;
    GlobalTimelineBuilder.SequenceStack.push_front(sequence);
    return GlobalTimelineBuilder.SequenceStack.front();
}

inline ComponentContext Context(int length, int dataKind, int layerIndex = 1, int slotId = 1)
{
    ComponentContext context;
    context.length = length;
    context.dataKind = dataKind;
    context.layerIndex = layerIndex;
    context.slot.slotId = slotId;
    context.slot.length = length;
    return context;
}

inline TrimValues Trim(const ItemSlot& slot)
{
    TrimValues values;
    GetItemTrimValues(slot, values);
    return values;
}

}  // namespace importtest
