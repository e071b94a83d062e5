#include "calc/flow/coefficient.h"

namespace vado {

void Coefficient::FillIt(Coefficient& target, const std::string& name, double y, double c,
                         double factorLimit, double coef4, double coef5, double coef6, double ke) {
    target.Name = name;
    target.Y = y;
    target.C = c;
    target.FactorLimit = factorLimit;
    target.Coef4 = coef4;
    target.Coef5 = coef5;
    target.Coef6 = coef6;
    target.Ke = ke;
}

void FillInletCoefficients(InletCoefficientTable& t) {
    Coefficient::FillIt(t[0], "Projecting - groove edge", 0.7, 0.0514, 2.58, 0.0045, 2.0, 0.049, 0.25);
    Coefficient::FillIt(t[1], "Projecting - square edge", 0.64, 0.0668, 3.5, 0.0145, 1.75, 0.116, 0.46);
    Coefficient::FillIt(t[2], "Projecting - thin edge", 0.53, 0.0924, 4.0, 0.042, 1.33, 0.205, 0.92);
    Coefficient::FillIt(t[3], "Headwall - groove edge", 0.74, 0.0468, 3.3, 0.0018, 2.5, 0.035, 0.19);
    Coefficient::FillIt(t[4], "Headwall - rounded edge", 0.74, 0.0419, 2.58, 0.00065, 2.67, 0.016, 0.15);
    Coefficient::FillIt(t[5], "Headwall - square edge", 0.67, 0.0645, 2.58, 0.0098, 2.0, 0.105, 0.43);
    Coefficient::FillIt(t[6], "Miter / square / 2:1 slope", 0.74, 0.075, 4.0, 0.021, 1.33, 0.091, 0.62);
}

}  // namespace vado
