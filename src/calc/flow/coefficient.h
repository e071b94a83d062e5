#pragma once

#include <array>
#include <string>

namespace vado {

// Inlet-control coefficients of one culvert entrance type.
class Coefficient {
public:
    std::string Name;
    double Y = 0;            // constant term of the submerged inlet-control equation
    double C = 0;            // coefficient of the squared discharge factor
    double FactorLimit = 0;  // the submerged equation applies above this Q / D^2.5
    double Coef4 = 0;
    double Coef5 = 0;
    double Coef6 = 0;
    double Ke = 0;  // entrance loss coefficient

    static void FillIt(Coefficient& target, const std::string& name, double y, double c,
                       double factorLimit, double coef4, double coef5, double coef6, double ke);
};

// Index 0..6 in entrance-list order; room for an eighth entry that is never filled.
using InletCoefficientTable = std::array<Coefficient, 8>;

void FillInletCoefficients(InletCoefficientTable& table);

}  // namespace vado
