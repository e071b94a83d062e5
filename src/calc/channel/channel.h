#pragma once

#include <array>
#include <functional>
#include <string>

#include "shared/calculator_form.h"

namespace vado::channel {

// Manning's mean velocity in ft/sec: V = R^(2/3) x 1.4859 x S^0.5 / n, R in ft, S in ft/ft.
// 1.4859 is the US customary factor (1 m^(1/3)/s in ft^(1/3)/s) to four decimals; the printed
// results of every channel page are made with it, so it is neither 1.486 nor 1.49.
double ManningVelocity(double r, double s, double n);

// The texts of the five result fields: hydraulic radius, area, capacity, velocity and critical
// depth. A critical depth of zero or less means none was found and reads "N/A".
std::array<std::string, 5> ChannelResultTexts(double r, double a, double q, double v, double yc);

// Writes those texts into the five display fields of a channel page.
void ShowChannelResults(double r, ui::TextBox& fieldR, double a, ui::TextBox& fieldA, double q,
                        ui::TextBox& fieldQ, double v, ui::TextBox& fieldV, double yc,
                        ui::TextBox& fieldYc);

// Adds one of those display fields to a page: locked, so only the computation writes it.
ui::TextBox& AddResultField(ui::Form& form, const std::string& name);

// The five display fields in the page's results group, each captioned while empty.
ui::LayoutSection ResultsSection(const std::array<const ui::TextBox*, 5>& fields);

// A numeric field of a channel page: digits and one point, no sign.
NumericField Field(const char* label, const char* unit, double lo, double hi, const char* format,
                   const char* defaultText, std::function<ui::Control*()> next);

}  // namespace vado::channel
