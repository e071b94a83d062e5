#include "calc/riser/rect_riser_flow.h"

namespace vado {

void RectRiserFlow::Fill(double elevation, double qp, double qw, double qoh, double qol) {
    elev = elevation;
    Qp = qp;
    Qw = qw;
    Qoh = qoh;
    Qol = qol;
}

int RectRiserFlow::controlling() const {
    const double q[] = {Qp, Qw, Qoh, Qol};
    int k = 0;
    for (int i = 1; i < 4; ++i)
        if (q[i] < q[k]) k = i;
    return k;
}

double RectRiserFlow::Q() const {
    const double q[] = {Qp, Qw, Qoh, Qol};
    return q[controlling()];
}

std::string RectRiserFlow::Controls() const {
    static const char* const kText[] = {"Pipe Flow Controls", "Weir Flow Controls",
                                        "Orifice Flow Into Riser Controls",
                                        "Orifice Flow At Pipe Inlet Controls"};
    return kText[controlling()];
}

}  // namespace vado
