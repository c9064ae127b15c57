#include "aafsdk/com/InterfaceTables.h"

namespace aafsdk::com {

std::span<const InterfaceEntry> DescriptorInterfaceRows()
{
    return {};
}

}  // namespace aafsdk::com
