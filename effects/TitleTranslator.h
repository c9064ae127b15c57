#pragma once

#include <map>
#include <string>
#include <vector>

#include "effects/EffectTranslator.h"
#include "effects/TitleTextItem.h"
#include "records/ValueBase.h"

class FCPClipItemTag;
class FCPGeneratorItemTag;

// The record of a title's conversion: the head, the title's clip item (the current item; not owned),
// the title's bytes and the text boxes read from them.
struct TitleTranslator : EffectTranslator {
    TitleTranslator(const ComponentContext& effectContext, const Auid& operation,
                    std::map<std::string, ParameterRecord>* effectParameters, FCPClipItemTag* item);

    // One text box replaces the clip item by a Text generator; several make the clip item play a
    // nested sequence of Text generators, one a track; a title without data, without text or whose
    // data cannot be read keeps its clip item, over a slug.
    void Translate();

    FCPClipItemTag* clipItem;
    ArrayValue titleData;
    std::vector<TitleTextItem> items;

private:
    void ReadTitleData();
    void ReplaceWithGenerator();
    void NestGenerators();
};

// The FCP Text generator of one text box, in the place of the title's clip item.
FCPGeneratorItemTag BuildTextGenerator(const TitleTextItem& item, const FCPClipItemTag& clipItem);

// The dispatch's converter of the title operations: a title on a clip item is translated; on any
// other item it is recognised and left alone.
void TranslateTitle(EffectTranslator& translator);
