#include "fcpxml/MarkTagBase.h"

#include "config/ImportPreferences.h"
#include "fcpxml/CommentText.h"
#include "records/ValueBase.h"

void MarkTagBase::CopyMarks(const MarkTagBase& other)
{
    comments = other.comments;
    labels = other.labels;
    logginginfo = other.logginginfo;
    markers = other.markers;
}

void MarkTagBase::WriteMarkers() const
{
    for (const MarkerInfo& marker : markers)
        WriteMarker(marker);
}

bool MarkTagBase::HasMarkerAt(int frame) const
{
    for (const MarkerInfo& marker : markers) {
        if (marker.in == frame)
            return true;
    }
    return false;
}

void MarkTagBase::AppendMasterComments(const std::string& first, const std::string& second,
                                       const std::string& third, const std::string& fourth)
{
    AppendCommaJoined(first, comments.mastercomment1);
    AppendCommaJoined(second, comments.mastercomment2);
    AppendCommaJoined(third, comments.mastercomment3);
    AppendCommaJoined(fourth, comments.mastercomment4);
}

void MarkTagBase::AddMissingEffectsMarker(int frame, int duration, const std::string& text)
{
    if (!ImportPrefs.markMissingEffects || text.empty())
        return;
    MarkerInfo marker;
    SetMarkerColor(marker, "Purple");
    int chosen = frame;
    if (HasMarkerAt(frame)) {
        chosen = -1;
        for (int candidate = 1; candidate < duration; ++candidate) {
            if (!HasMarkerAt(candidate)) {
                chosen = candidate;
                break;
            }
        }
    }
    if (chosen == -1)
        return;
    marker.name = "Missing Effects";
    marker.comment = text;
    marker.in = chosen;
    markers.push_back(marker);
}

void MarkTagBase::AddAafCommentColumns(const std::map<std::string, TaggedValueEntry>& columns)
{
    for (const auto& [key, entry] : columns) {
        CommentText comment;
        TaggedValueToCommentText(entry, comment);
        const std::string text = comment.Format();
        const std::string& column = comment.name;
        if (column == "Comments")
            AppendCommaJoined(text, comments.mastercomment1);
        else if (column == "TapeID")
            AppendCommaJoined(text, logginginfo.description);
        else if (column == "Soundroll")
            logginginfo.lognote = text;
        else if (column == "Scene")
            logginginfo.scene = text;
        else if (column == "Shoot Date")
            logginginfo.shottake = text;
        else if (column == "Take")
            logginginfo.take = text;
    }
}
