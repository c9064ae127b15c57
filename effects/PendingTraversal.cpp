// Stands in for the segment traversal's ReadComponent until the traversal is built; the real one
// takes precedence at link time. Remove this file when it lands.
#include "aaf/import/SegmentReader.h"

__attribute__((weak)) void ReadComponent(IUnknown* /*object*/, ComponentContext& /*context*/) {}
