#include "report/report_bodies.h"

#include "report/bodies.h"

namespace vado::report {

void PrintGridRows(Destination& d, const ui::Grid& g, const std::vector<double>& x,
                   const std::function<bool(int row)>& leaveOut) {
    ui::Printer& printer = d.printer();
    for (int r = 0; r < g.rows(); ++r) {
        if (leaveOut && leaveOut(r)) continue;
        // The page check first, so a row that starts a new page is printed whole on it.
        d.CheckNewPage(1);
        const double y = printer.CurrentY();
        d.add6tline(g.textMatrix(r, 0), "", "", "", "", "");
        for (int c = 1; c < g.cols() && c < static_cast<int>(x.size()); ++c) {
            printer.setCurrentX(x[c]);
            printer.setCurrentY(y);
            printer.Print(g.textMatrix(r, c));
        }
        d.SkipLine();
    }
}

short TitleNumber(short reportCode) {
    return reportCode > 99 ? static_cast<short>(reportCode % 100) : reportCode;
}

void PrintReportBody(short reportCode, Destination& d, const PageLookup& page,
                     const WindowLookup& window) {
    switch (reportCode) {
        case 1:
            return WeirBody(d, PageReader(page, 1));
        case 2:
            return OrificeBody(d, PageReader(page, 2));
        case 3:
            return CircularBody(d, PageReader(page, 3));
        case 4:
            return ParabolicBody(d, PageReader(page, 4));
        case 5:
            return TrapezoidalBody(d, PageReader(page, 5));
        case 6:
            return PipeFlowBody(d, PageReader(page, 6));
        case 7:
            return CulvertBody(d, PageReader(page, 7));
        case 8:
            return PipeDropBody(d, PageReader(page, 8));
        case 9:
            return HoodedInletBody(d, PageReader(page, 9));
        case 10:
            return StraightDropBody(d, PageReader(page, 10));
        case 11:
            return BoxInletBody(d, PageReader(page, 11));
        case 12:
            return SurfaceInletBody(d, PageReader(page, 12));
        case 14:
            return PlungePoolBody(d, PageReader(page, 14));
        case 15:
            return SubsurfaceBody(d, PageReader(page, 15));
        case 16: {
            const PageReader p(page, 16);
            const auto* pump = dynamic_cast<const PumpValues*>(&p.form());
            if (!pump) throw ui::PrintError("the pump drainage page keeps no pump values");
            return PumpDrainageBody(d, p, *pump);
        }
        case 17: {
            const PageReader p(page, 17);
            const auto* self = dynamic_cast<const SelfPrintingBody*>(&p.form());
            if (!self) throw ui::PrintError("the dry hydrant page prints no body of its own");
            return self->PrintResults(d);
        }
        case 18:
        case 118:
            return WaterControlBody(d, PageReader(page, 18), PageReader(window ? window(reportCode) : nullptr));
        case 19:
        case 119:
            return RectRiserBody(d, PageReader(page, 19), PageReader(window ? window(reportCode) : nullptr));
        case 219:
            return RatingGraphBody(d, window ? window(reportCode) : nullptr);
        case 319:
            return RectRiserFullChart(d, PageReader(window ? window(reportCode) : nullptr));
        case 108:
        case 109:
        case 110:
        case 111:
            return RatingGraphBody(d, window ? window(reportCode) : nullptr);
        default:
            return;
    }
}

}  // namespace vado::report
