#include "fcpxml/ChildrenInfo.h"

#include "fcpxml/XmlWriter.h"

void ChildrenInfo::WriteChildren()
{
    WriteXmlContainerOpen("children");
    for (BinInfo& bin : bins)
        bin.WriteBin();
    for (FCPSequenceTag& sequence : sequences)
        sequence.WriteSequence();
    for (const FCPClipTag& clip : clips)
        clip.WriteClip();
    WriteXmlContainerClose("children");
}
