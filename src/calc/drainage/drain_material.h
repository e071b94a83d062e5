#pragma once

#include <array>
#include <string>

namespace vado {

// Manning's n of a drain material and installation condition over a range of nominal sizes.
class DrainMaterial {
public:
    std::string Name;
    short MinDiam = 0;  // inches
    short MaxDiam = 0;  // inches
    double ManningsN = 0;
};

using DrainMaterialTable = std::array<DrainMaterial, 22>;

// Rows in look-up order: the scan runs from the top and the material list is built from it.
void FillDrainMaterials(DrainMaterialTable& table);

// Nominal drain diameters in inches, smallest first.
using StandardDiameterTable = std::array<short, 17>;
void FillStandardDiameters(StandardDiameterTable& table);

}  // namespace vado
