#include "fcpxml/EffectInfo.h"

#include "fcpxml/XmlWriter.h"
#include "records/FloatToInt.h"

namespace {

// A ratio is written as a whole number, truncated toward zero; the value may come from the AAF file.
int WholeRatio(float ratio) { return FloatToInt(ratio); }

void WriteWipeValues(const EffectInfo& effect)
{
    if (effect.wipecode != -1) {
        WriteXmlIntElement("wipecode", effect.wipecode);
        WriteXmlIntElement("wipeaccuracy", effect.wipeaccuracy);
    }
    if (effect.startratio != -1.0f)
        WriteXmlIntElement("startratio", WholeRatio(effect.startratio));
    if (effect.endratio != -1.0f)
        WriteXmlIntElement("endratio", WholeRatio(effect.endratio));
    if (effect.reverse)
        WriteXmlTextElement("reverse", "TRUE");
}

}  // namespace

EffectInfo::EffectInfo(std::string effectName, std::string id, std::string category,
                       std::string type, int wipe, int media)
    : wipecode(wipe),
      name(std::move(effectName)),
      effectid(std::move(id)),
      effecttype(std::move(type)),
      effectcategory(std::move(category)),
      mediatype(media)
{
}

std::string EffectInfo::SetName(const std::string& text) { return name = text; }
std::string EffectInfo::SetEffectId(const std::string& text) { return effectid = text; }
std::string EffectInfo::SetEffectType(const std::string& text) { return effecttype = text; }
std::string EffectInfo::SetEffectClass(const std::string& text) { return effectclass = text; }

bool EffectInfo::HasDataInRange(int first, int last) const
{
    for (const ParameterInfo& parameter : parameters) {
        if (!parameter.values.empty())
            return true;
        for (const KeyframeInfo& keyframe : parameter.keyframes) {
            if (keyframe.when >= first && keyframe.when <= last)
                return true;
        }
    }
    return false;
}

void WriteEffect(const EffectInfo& effect)
{
    WriteXmlContainer("effect", [&] {
        WriteXmlTextElement("name", effect.name);
        WriteXmlTextElement("effectid", effect.effectid);
        if (!effect.effectclass.empty())
            WriteXmlTextElement("effectclass", effect.effectclass);
        if (!effect.effectcategory.empty())
            WriteXmlTextElement("effectcategory", effect.effectcategory);
        WriteXmlTextElement("effecttype", effect.effecttype);
        WriteXmlTextElement("mediatype", MediaTypeName(effect.mediatype));
        if (effect.mediatype == 2)
            WriteWipeValues(effect);
        for (const ParameterInfo& parameter : effect.parameters)
            WriteParameter(parameter);
    });
}
