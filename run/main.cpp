#include "run/AafSources.h"
#include "run/Converter.h"

int main(int argc, char** argv)
{
    InstallAafSources();
    return RunConverterMain(argc, argv);
}
