#include <cmath>

#include "calc/mensuration/frm_mensuration.h"
#include "shared/fields.h"
#include "shared/number_format.h"

namespace vado {

using namespace mensuration;

// One figure: its checks, its results (written before any dimension is written back, so the
// computation a write-back sets off has the last word), then the write-backs.
bool FrmMensuration::solve(int figure, bool report) {
    auto show = [this](int figure, int position, double v, const char* format) {
        out(figure, position).setCaption(FormatNumber(v, format));
    };
    auto refuse = [this](const char* message) {
        services().MsgBox(message, "Input Error", ui::MsgIcon::Exclamation);
        return false;
    };
    double a = 0, b = 0, c = 0, d = 0, h = 0;
    switch (figure) {
        case 0: {
            if (!take(0, 0, report, a) || !take(0, 1, report, b)) return false;
            if (active_ < 2) {
                right_ = FromLegs(a, b);
            } else {
                if (!take(0, 2, report, c)) return false;
                // Said while typing too.
                if (!FromHypotenuse(a, b, c, right_)) return refuse("The hypotenuse can not be shorter than the sides.");
            }
            valid_ = true;
            picImage[0]->Refresh();
            if (active_ < 2) writeBack(0, 2, right_.c);
            else if (a < c) writeBack(0, 1, right_.b);
            else writeBack(0, 0, right_.a);
            return true;
        }
        case 1: {
            if (!take(1, 0, report, a) || !take(1, 1, report, b) || !take(1, 2, report, c)) return false;
            oblique_ = Oblique(a, b, c);
            if (oblique_.outcome == ObliqueTriangle::Outcome::NotATriangle)
                return report ? refuse("One side can not exceed the sum of the other two sides.") : false;
            if (oblique_.outcome == ObliqueTriangle::Outcome::Flat) return false;
            valid_ = true;
            picImage[1]->Refresh();
            return true;
        }
        case 2: {
            if (!take(2, 0, report, a) || !take(2, 1, report, h)) return false;
            if (active_ == 1) a = 2 * h / std::sqrt(3.0);
            else h = std::sqrt(3.0) * a / 2;
            show(2, 0, a * h / 2, "#####0.00");
            writeBack(2, active_ == 1 ? 0 : 1, active_ == 1 ? a : h);
            return true;
        }
        case 3:
            if (!take(3, 0, report, a) || !take(3, 1, report, b) || !take(3, 2, report, h)) return false;
            show(3, 0, (a + b) * h / 2, "####0.00");
            return true;
        case 4: {
            // Both fields are checked whichever is being edited: a side of 999 writes back a
            // diagonal of 1730.32, which its own range then refuses.
            if (!take(4, 0, report, a) || !take(4, 1, report, d)) return false;
            if (active_ == 1) a = d / std::sqrt(3.0);
            else d = std::sqrt(3.0) * a;
            show(4, 0, 6 * a * a, "#####0.00");
            show(4, 1, a * a * a, "#####0.00");
            if (active_ == 1) writeBack(4, 0, a);
            else writeBack(4, 1, d, "###0.00");
            return true;
        }
        case 5:
            if (!take(5, 0, report, a) || !take(5, 1, report, b) || !take(5, 2, report, c)) return false;
            show(5, 0, a * b * c, "#####0.00");
            show(5, 1, 2 * (a * b + b * c + c * a), "#####0.00");
            show(5, 2, std::sqrt(a * a + b * b + c * c), "###0.00");
            return true;
        case 6: {
            double a1 = 0, a2 = 0, am = 0;
            if (!take(6, 0, report, a1) || !take(6, 1, report, a2) || !take(6, 2, report, am) ||
                !take(6, 3, report, h))
                return false;
            show(6, 0, (a1 + a2 + 4 * am) * h / 6, "#######0.00");
            return true;
        }
        case 7: {
            double area = 0;
            if (!number(7, 0, report, a) || !number(7, 1, report, d) || !number(7, 2, report, area)) return false;
            if (active_ == 2) {
                a = std::sqrt(area);
                d = std::sqrt(2.0) * a;
            } else if (active_ == 1) {
                a = d / std::sqrt(2.0);
                area = a * a;
            } else {
                d = std::sqrt(2.0) * a;
                area = a * a;
            }
            if (active_ != 0) writeBack(7, 0, a);
            if (active_ != 1) writeBack(7, 1, d);
            if (active_ != 2) writeBack(7, 2, area);
            return true;
        }
        case 8: {
            if (!number(8, 0, report, a) || !number(8, 1, report, b) || !number(8, 2, report, d)) return false;
            if (active_ == 2) {
                // The other side of a diagonal no longer than side 'a' has no length.
                if (d <= a) return report ? refuse("The diagonal must be longer than side 'a'.") : false;
                b = std::sqrt(d * d - a * a);
            } else {
                d = std::sqrt(a * a + b * b);
            }
            show(8, 0, a * b, "###0.00");
            writeBack(8, active_ == 2 ? 1 : 2, active_ == 2 ? b : d);
            return true;
        }
        case 9: {
            blank(9);
            if (!take(9, 0, report, a) || !take(9, 1, report, b)) return false;
            // h runs from 0.01 to b, said as a range even when b is 0.01 itself.
            ui::TextBox& hBox = input(9, 2);
            if (!CheckRangeBetween(hBox, 0.01, b, "##0.00", report, report) || hBox.text().empty()) return false;
            h = ParseReal(hBox.text()).value_or(0);
            parallelogram_ = ParallelogramOf(a, b, h);
            show(9, 0, parallelogram_.d1, "####0.00");
            show(9, 1, parallelogram_.d2, "####0.00");
            show(9, 2, parallelogram_.area, "####0.00");
            valid_ = true;
            pic9Angle.Refresh();
            return true;
        }
        case 10:
            if (!take(10, 0, report, a) || !take(10, 1, report, d)) return false;
            show(10, 0, (d * a + d * a) / 3, "####0.00");
            return true;
        case 11: {
            double n = 0;
            if (!take(11, 0, report, n) || !take(11, 1, report, a) || !take(11, 2, report, b) ||
                !take(11, 3, report, h))
                return false;
            const int sides = ParseInt16(input(11, 0).text()).value_or(3);
            const double a1 = PolygonArea(sides, a), a2 = PolygonArea(sides, b);
            show(11, 0, a1, "#####0.00");
            show(11, 1, a2, "#####0.00");
            show(11, 2, FrustumVolume(a1, a2, h), "########0.00");
            return true;
        }
        case 12: {
            if (!take(12, 0, report, a) || !take(12, 1, report, b) || !take(12, 2, report, h)) return false;
            const double a1 = kPi * a * a / 4, a2 = kPi * b * b / 4;
            show(12, 0, a1, "#####0.00");
            show(12, 1, a2, "#####0.00");
            show(12, 2, FrustumVolume(a1, a2, h), "########0.00");
            return true;
        }
        default: {
            if (!take(13, 0, report, d)) return false;
            const double area = kPi * d * d / 4;
            show(13, 0, kPi * d, "###0.00");
            show(13, 1, area, "#####0.00");
            show(13, 2, 4 * area, "######0.00");
            show(13, 3, kPi * d * d * d / 6, "######0.00");
            return true;
        }
    }
}

}  // namespace vado
