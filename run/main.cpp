#include "effects/InstallEffectTranslation.h"
#include "run/AafSources.h"
#include "run/Converter.h"

int main(int argc, char** argv)
{
    InstallAafSources();
    InstallEffectTranslation();
    return RunConverterMain(argc, argv);
}
