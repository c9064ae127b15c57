#include "fcpxml/TrimTagBase.h"

#include "fcpxml/XmlWriter.h"

namespace {

bool UnderTransition(const TransitionEdge& edge) { return edge.length != -1 && edge.alignment != 0; }

}  // namespace

void TrimTagBase::WriteDuration() const { WriteXmlIntElement("duration", duration); }

void TrimTagBase::WriteInOut() const
{
    WriteXmlIntElement("in", in);
    WriteXmlIntElement("out", out);
}

void TrimTagBase::WriteStartEnd() const
{
    WriteXmlIntElement("start", UnderTransition(startTransition) ? -1 : start);
    WriteXmlIntElement("end", UnderTransition(endTransition) ? -1 : end);
}
