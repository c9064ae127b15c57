#include "aafsdk/com/InterfaceTables.h"

namespace aafsdk::com {

std::span<const InterfaceEntry> SlotInterfaceRows()
{
    return {};
}

}  // namespace aafsdk::com
