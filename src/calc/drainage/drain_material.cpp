#include "calc/drainage/drain_material.h"

namespace vado {

void FillDrainMaterials(DrainMaterialTable& t) {
    struct Row {
        const char* name;
        short minDiam, maxDiam;
        double n;
    };
    static constexpr Row kRows[22] = {
        {"Concrete - Normal Inst. Condition", 4, 20, 0.013},
        {"Concrete - Normal Inst. Condition", 22, 30, 0.013},
        {"Concrete - Poor Inst. Condition", 4, 20, 0.014},
        {"Concrete - Poor Inst. Condition", 22, 30, 0.014},
        {"Clay - Normal Inst. Condition", 4, 15, 0.013},
        {"Clay - Normal Inst. Condition", 18, 18, 0.013},
        {"Clay - Normal Inst. Condition", 20, 20, 0.013},
        {"Clay - Poor Inst. Condition", 4, 15, 0.014},
        {"Clay - Poor Inst. Condition", 18, 18, 0.014},
        {"Clay - Poor Inst. Condition", 20, 20, 0.014},
        {"CP Tubing - Normal Inst. Condition", 3, 8, 0.015},
        {"CP Tubing - Normal Inst. Condition", 10, 12, 0.017},
        {"CP Tubing - Normal Inst. Condition", 15, 15, 0.017},
        {"CP Tubing - Normal Inst. Condition", 18, 18, 0.020},
        {"CP Tubing - Normal Inst. Condition", 21, 21, 0.021},
        {"CP Tubing - Normal Inst. Condition", 24, 24, 0.022},
        {"CP Tubing - Poor Inst. Condition", 3, 8, 0.016},
        {"CP Tubing - Poor Inst. Condition", 10, 12, 0.018},
        {"CP Tubing - Poor Inst. Condition", 15, 15, 0.018},
        {"CP Tubing - Poor Inst. Condition", 18, 18, 0.020},
        {"CP Tubing - Poor Inst. Condition", 21, 21, 0.021},
        {"CP Tubing - Poor Inst. Condition", 24, 24, 0.022},
    };
    for (size_t i = 0; i < t.size(); ++i) {
        t[i].Name = kRows[i].name;
        t[i].MinDiam = kRows[i].minDiam;
        t[i].MaxDiam = kRows[i].maxDiam;
        t[i].ManningsN = kRows[i].n;
    }
}

void FillStandardDiameters(StandardDiameterTable& t) {
    t = {3, 4, 5, 6, 8, 10, 12, 14, 15, 16, 18, 20, 21, 22, 24, 27, 30};
}

}  // namespace vado
