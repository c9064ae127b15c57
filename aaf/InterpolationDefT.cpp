#include "aaf/InterpolationDefT.h"

#include <algorithm>

#include "aaf/RegistryAuid.h"

namespace {

struct InterpolationKind {
    Auid id;
    int kind;
};

constexpr InterpolationKind kKinds[] = {
    {RegistryAuid("{DF394EDA-6AC6-4566-8DBE-F28B0BDD781A}"), 2},
    {RegistryAuid("{5B6C85A5-0EDE-11D3-80A9-006008143E6F}"), 3},
    {RegistryAuid("{A04A5439-8A0E-4CB7-975F-A5B255866883}"), 4},
    {RegistryAuid("{5B6C85A6-0EDE-11D3-80A9-006008143E6F}"), 5},
    {RegistryAuid("{15829EC3-1F24-458A-960D-C65BB23C2AA1}"), 6},
    {RegistryAuid("{C09153F7-BD18-4E5A-AD09-CBDD654FA001}"), 7},
};

}  // namespace

InterpolationDefT::InterpolationDefT(IAAFVaryingValue* varyingValue)
{
    if (varyingValue == nullptr) {
        status = AAFRESULT_BADINDEX;
        return;
    }
    IAAFInterpolationDef* definition = nullptr;
    status = varyingValue->GetInterpolationDefinition(&definition);
    if (status < 0)
        return;
    interpolationDef = definition;
    ReadDefObject(interpolationDef);
}

InterpolationDefT::~InterpolationDefT() { ReleaseInterface(interpolationDef); }

int InterpolationDefT::GetInterpolationKind() const
{
    const auto row = std::find_if(std::begin(kKinds), std::end(kKinds), [this](const InterpolationKind& k) { return k.id == id; });
    return row == std::end(kKinds) ? 1 : row->kind;
}
