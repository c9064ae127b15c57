#include "aafsdk/com/InterfaceTables.h"

namespace aafsdk::com {

// Effects, parameters, definitions and generic property access answer through these rows.
std::span<const InterfaceEntry> GenericInterfaceRows()
{
    return {};
}

}  // namespace aafsdk::com
