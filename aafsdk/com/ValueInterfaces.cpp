#include "aafsdk/com/InterfaceTables.h"

namespace aafsdk::com {

std::span<const InterfaceEntry> ValueInterfaceRows()
{
    return {};
}

}  // namespace aafsdk::com
