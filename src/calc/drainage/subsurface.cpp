#include "calc/drainage/subsurface.h"

#include "calc/drainage/drainage.h"
#include "shared/number_format.h"

namespace vado::subsurface {

RowCheck CheckRow(const std::string& id, const std::string& grade, const std::string& acres) {
    if (id.empty()) return {RowProblem::NoId, 0};
    if (grade.empty() || grade == ".") return {RowProblem::NoGrade, 1};
    const auto s = ParseReal(grade);
    if (!s || *s < 0.0001 || *s > 0.1) return {RowProblem::GradeOutOfRange, 1};
    if (acres.empty()) return {RowProblem::NoAcres, 2};
    const auto a = ParseReal(acres);
    if (!a || *a < 0.1 || *a > 999.0) return {RowProblem::AcresOutOfRange, 2};
    return {};
}

std::string Message(RowProblem p) {
    switch (p) {
        case RowProblem::NoId:
            return "Please fill in the ID before moving to another row.";
        case RowProblem::NoGrade:
            return "Please fill in the grade before moving to another row.";
        case RowProblem::GradeOutOfRange:
            return "Please enter a grade value between 0.0001 and 0.1.";
        case RowProblem::NoAcres:
            return "Please fill in the acres before moving to another row.";
        case RowProblem::AcresOutOfRange:
            return "Please enter an acres value between 0.1 and 999.0.";
        case RowProblem::None:
            break;
    }
    return {};
}

Main SizeMain(const DrainMaterialTable& table, const StandardDiameterTable& sizes,
              const std::string& material, double coefficient, double grade, double acres) {
    Main m;
    m.qNeed = acres * coefficient * drainage::kCfsPerAcreInch;
    for (short d : sizes) {
        const drainage::NLookUp n = drainage::LookUpDrainN(table, material, d);
        if (n.status == drainage::NStatus::NoRow) {
            m.outcome = Main::Outcome::TooBig;
            return m;
        }
        if (n.status == drainage::NStatus::BelowRow) continue;
        const double q = drainage::FullPipeCapacity(d, grade, n.n);
        if (!(q > m.qNeed)) continue;
        m.outcome = Main::Outcome::Sized;
        m.qAvail = q;
        m.acresAvail = coefficient > 0 ? q / (coefficient * drainage::kCfsPerAcreInch) : 0;
        m.size = d;
        m.n = n.n;
        m.velocity = q / drainage::PipeArea(d);
        return m;
    }
    return m;
}

}  // namespace vado::subsurface
