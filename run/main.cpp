#include "run/Converter.h"

int main(int argc, char** argv)
{
    return RunConverterMain(argc, argv);
}
