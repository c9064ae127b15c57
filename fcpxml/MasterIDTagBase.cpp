#include "fcpxml/MasterIDTagBase.h"

#include "fcpxml/XmlWriter.h"

void MasterIDTagBase::WriteMasterIds() const
{
    WriteXmlTextElement("ismasterclip", BoolToText(ismasterclip));
    if (!masterclipid.empty())
        WriteXmlTextElement("masterclipid", masterclipid);
    if (!subclipmasterid.empty())
        WriteXmlTextElement("subclipmasterid", subclipmasterid);
}
