#include "calc/channel/channel.h"

#include <cmath>

#include "shared/number_format.h"
#include "ui/form.h"

namespace vado::channel {

double ManningVelocity(double r, double s, double n) {
    return std::pow(r, 2.0 / 3.0) * 1.4859 * std::pow(s, 0.5) / n;
}

std::array<std::string, 5> ChannelResultTexts(double r, double a, double q, double v, double yc) {
    return {"Hydraulic Radius: " + FormatNumber(r, "0.00"),
            "Area: " + FormatNumber(a, "0.00") + " sq ft",
            "Capacity: " + FormatNumber(q, "0.00") + " cfs",
            "Velocity: " + FormatNumber(v, "0.00") + " ft/sec",
            yc <= 0 ? std::string("Critical Depth:  N/A  ft")
                    : "Critical Depth: " + FormatNumber(yc, "0.00") + " ft"};
}

void ShowChannelResults(double r, ui::TextBox& fieldR, double a, ui::TextBox& fieldA, double q,
                        ui::TextBox& fieldQ, double v, ui::TextBox& fieldV, double yc,
                        ui::TextBox& fieldYc) {
    auto texts = ChannelResultTexts(r, a, q, v, yc);
    ui::TextBox* fields[] = {&fieldR, &fieldA, &fieldQ, &fieldV, &fieldYc};
    for (int i = 0; i < 5; ++i) fields[i]->setText(texts[i]);
}

ui::TextBox& AddResultField(ui::Form& form, const std::string& name) {
    auto& box = form.add<ui::TextBox>(name);
    box.locked = true;
    return box;
}

ui::LayoutSection ResultsSection(const std::array<const ui::TextBox*, 5>& fields) {
    const char* hints[] = {"Hydraulic Radius:", "Area:", "Capacity:", "Velocity:", "Critical Depth:"};
    std::vector<ui::LayoutRow> rows;
    for (int i = 0; i < 5; ++i) rows.push_back(ui::page::Result(fields[i]->fullName(), hints[i]));
    return ui::page::Results(std::move(rows));
}

NumericField Field(const char* label, const char* unit, double lo, double hi, const char* format,
                   const char* defaultText, std::function<ui::Control*()> next) {
    return MakeField(label, unit, lo, hi, format, false, defaultText, std::move(next));
}

}  // namespace vado::channel
