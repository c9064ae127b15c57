#pragma once

#include <map>
#include <string>

#include "fcpxml/IDTagBase.h"
#include "fcpxml/ItemTagBase.h"
#include "fcpxml/MarkTagBase.h"
#include "fcpxml/MediaTagBase.h"
#include "fcpxml/TimecodeInfo.h"
#include "fcpxml/TrimTagBase.h"

struct MediaSettings;
#include "records/ValueBase.h"

// <sequence>: an edited timeline with its start timecode and its video and audio tracks.
class FCPSequenceTag : public ItemTagBase,
                       public IDTagBase,
                       public TrimTagBase,
                       public MarkTagBase,
                       public MediaTagBase {
public:
    explicit FCPSequenceTag(const MediaSettings& settings);
    FCPSequenceTag(const FCPSequenceTag&) = default;
    FCPSequenceTag& operator=(const FCPSequenceTag&) = default;
    FCPSequenceTag(FCPSequenceTag&&) = default;
    FCPSequenceTag& operator=(FCPSequenceTag&&) = default;
    ~FCPSequenceTag() override = default;

    void AssignIdFromTagName();
    // "Comments" into the first master comment; the first two other columns into the second and
    // third, all further ones joined into the fourth.
    void AddSequenceAafComments(const std::map<std::string, TaggedValueEntry>& columns);

    // Writing fills in the timecode text and the video layer indexes, hence not const.
    void WriteSequence();

    TimecodeInfo timecode;
    std::string updatebehavior = "add";
};
