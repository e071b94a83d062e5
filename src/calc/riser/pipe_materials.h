#pragma once

namespace vado {

// The barrel materials of the riser pages, with Manning's n in thousandths as their list data.
struct PipeMaterial {
    const char* name;
    long nThousandths;
};
inline constexpr PipeMaterial kPipeMaterials[] = {
    {"SSP", 13}, {"CMP", 25}, {"PVC", 12}, {"Concrete", 13}, {"CPP", 16}};

}  // namespace vado
