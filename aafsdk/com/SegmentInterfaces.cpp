#include "aafsdk/com/InterfaceTables.h"

namespace aafsdk::com {

std::span<const InterfaceEntry> SegmentInterfaceRows()
{
    return {};
}

}  // namespace aafsdk::com
