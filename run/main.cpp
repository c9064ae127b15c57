#include "run/AafSources.h"
#include "run/Converter.h"

#ifdef AAF2XMEML_WITH_MIMALLOC
#include <mimalloc.h>

namespace
{
// A conversion touches its heap once, page by page: in 2 MiB pages the kernel faults it in a few
// hundred times less often, which is most of a small file's wall time and a third of a large one's.
// It has to be set before the first allocation of any library's start-up, since the first heap
// segment serves all of a small file, so it runs from the executable's pre-initialisers.
void UseLargeHeapPages(int, char**, char**)
{
    mi_option_set(mi_option_large_os_pages, 1);
}
[[gnu::used, gnu::section(".preinit_array")]] void (*const useLargeHeapPages)(int, char**, char**) =
    &UseLargeHeapPages;
}
#endif

int main(int argc, char** argv)
{
    InstallAafSources();
    return RunConverterMain(argc, argv);
}
