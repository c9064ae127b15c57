#include "fcpxml/TrimTagBase.h"

#include "fcpxml/NumberText.h"
#include "fcpxml/XmlWriter.h"

namespace {

bool UnderTransition(const TransitionEdge& edge) { return edge.length != -1 && edge.alignment != 0; }

}  // namespace

void TrimTagBase::WriteDuration() const { WriteXmlTextElement("duration", IntToString(duration)); }

void TrimTagBase::WriteInOut() const
{
    WriteXmlTextElement("in", IntToString(in));
    WriteXmlTextElement("out", IntToString(out));
}

void TrimTagBase::WriteStartEnd() const
{
    WriteXmlTextElement("start", IntToString(UnderTransition(startTransition) ? -1 : start));
    WriteXmlTextElement("end", IntToString(UnderTransition(endTransition) ? -1 : end));
}
