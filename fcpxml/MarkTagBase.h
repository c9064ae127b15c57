#pragma once

#include <map>
#include <string>
#include <vector>

#include "fcpxml/CommentsInfo.h"
#include "fcpxml/LabelsInfo.h"
#include "fcpxml/LoggingInfo.h"
#include "fcpxml/MarkerInfo.h"

struct TaggedValueEntry;

// The annotations of an item: comments, labels, markers and logging information.
struct MarkTagBase {
    void SetMarkers(const std::vector<MarkerInfo>& list) { markers = list; }
    // Copies comments, labels, the logging texts and markers from another item.
    void CopyMarks(const MarkTagBase& other);
    void WriteMarkers() const;
    bool HasMarkerAt(int frame) const;
    // Appends each text to its master comment, ", "-joined.
    void AppendMasterComments(const std::string& first, const std::string& second,
                              const std::string& third, const std::string& fourth);
    // A purple "Missing Effects" marker at frame, or at the first free frame after 0 within the
    // duration; only with the preference set and a text.
    void AddMissingEffectsMarker(int frame, int duration, const std::string& text);
    // Files the bin columns of a master clip or clip into comments and logging information.
    void AddAafCommentColumns(const std::map<std::string, TaggedValueEntry>& columns);

    CommentsInfo comments;
    LabelsInfo labels;
    std::vector<MarkerInfo> markers;
    LoggingInfo logginginfo;
};
