#include "fcpxml/FCPSequenceTag.h"

#include "config/MediaSettings.h"
#include "fcpxml/CommentText.h"
#include "fcpxml/ValueInfo.h"
#include "fcpxml/XmlWriter.h"

namespace {

// Lets a parameter value own and write a sequence.
const bool kNestedSequenceHooksInstalled = [] {
    NestedSequenceHooks.clone = [](const ItemTagBase& item) -> ItemTagBase* {
        const auto* sequence = dynamic_cast<const FCPSequenceTag*>(&item);
        return sequence ? new FCPSequenceTag(*sequence) : nullptr;
    };
    NestedSequenceHooks.write = [](const ItemTagBase& item) {
        // Values hold their sequence as a heap object of their own; writing only fills in its
        // computed texts.
        auto* sequence = dynamic_cast<FCPSequenceTag*>(const_cast<ItemTagBase*>(&item));
        if (sequence)
            sequence->WriteSequence();
        return sequence != nullptr;
    };
    return true;
}();

}  // namespace

FCPSequenceTag::FCPSequenceTag(const MediaSettings& settings)
{
    kind = ItemKindSequence;
    timecode.SetFromTimecode(settings.timecode);
    timecode.rate = rate;
    InitFromMediaSettings(settings);
}

void FCPSequenceTag::AssignIdFromTagName()
{
    SetUniqueId(name);
}

void FCPSequenceTag::AddSequenceAafComments(const std::map<std::string, TaggedValueEntry>& columns)
{
    for (const auto& [column, entry] : columns) {
        CommentText comment;
        TaggedValueToCommentText(entry, comment);
        const std::string text = comment.Format();
        if (column == "Comments")
            AppendCommaJoined(text, comments.mastercomment1);
        else if (comments.mastercomment2.empty())
            AppendCommaJoined(text, comments.mastercomment2);
        else if (comments.mastercomment3.empty())
            AppendCommaJoined(text, comments.mastercomment3);
        else
            AppendCommaJoined(text, comments.mastercomment4);
    }
}

void FCPSequenceTag::WriteSequence()
{
    WriteOpenTag("sequence");
    WriteXmlTextElement("updatebehavior", updatebehavior);
    WriteName();
    WriteDuration();
    WriteRate(rate);
    WriteTimecode(timecode);
    WriteInOut();
    WriteMedia();
    WriteMarkers();
    WriteLabels(labels);
    WriteComments(comments);
    WriteXmlContainerClose("sequence");
}
