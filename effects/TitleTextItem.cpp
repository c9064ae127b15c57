#include "effects/TitleTextItem.h"

#include "effects/FCPEffectCatalogue.h"

TitleTextItem::TitleTextItem() { CopyCatalogueEffect("Text", effect); }
