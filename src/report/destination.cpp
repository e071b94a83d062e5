#include "report/destination.h"

#include "shared/number_format.h"

namespace vado::report {

short Int16(double x) {
    short v = 0;
    if (!RoundToInt16(x, v)) throw ui::PrintError("a position on the page is out of range");
    return v;
}

namespace {

// A sum of 16-bit positions, which must itself stay a 16-bit number.
short Add16(int a, int b) { return Int16(static_cast<double>(a) + b); }

}  // namespace

Destination::Destination(ui::Printer& printer, const std::string& ownerName)
    : printer_(printer), owner_(Trim(ownerName)) {}

void Destination::BoldOn() { printer_.setFontBold(true); }
void Destination::BoldOff() { printer_.setFontBold(false); }
void Destination::ItalicOn() { printer_.setFontItalic(true); }
void Destination::ItalicOff() { printer_.setFontItalic(false); }

short Destination::fontsize() const { return Int16(printer_.FontSize()); }
void Destination::fontsize(short size) { printer_.setFontSize(size); }

// Every layout decision measures the line with a text that has both an ascender and a
// descender.
double Destination::lineHeight() const { return printer_.TextHeight("Xgy"); }

bool Destination::CheckNewPage(short n) {
    double h = lineHeight();
    short bottom = Int16(h * (n + 1) + printer_.CurrentY());
    if (bottom <= printer_.Height() - Margin) return false;
    printer_.setCurrentY(printer_.CurrentY() + h);
    printer_.setCurrentX(halfMargin());
    printer_.Print("(continued)");
    printer_.NewPage();
    printer_.setCurrentX(halfMargin());
    printer_.setCurrentY(halfMargin());
    printer_.Print("Page " + std::to_string(printer_.Page()) + ", (" + owner_ + ")");
    printer_.setCurrentY(printer_.CurrentY() + h);
    return true;
}

void Destination::AddLine(const std::string& text) {
    printer_.setCurrentX(Margin);
    printer_.Print(text);
}

void Destination::center(const std::string& text) {
    double w = printer_.TextWidth(text);
    printer_.setCurrentX((printer_.ScaleWidth() - w) / 2);
    printer_.Print(text);
}

void Destination::HRule() {
    double y = printer_.CurrentY();
    printer_.Line(halfMargin(), y, printer_.ScaleWidth() - halfMargin(), y);
    SkipLine();
}

void Destination::SkipLine() {
    if (CheckNewPage(2)) return;
    printer_.setCurrentY(printer_.CurrentY() + 0.35 * lineHeight());
}

void Destination::PSectionHeader(const std::string& text) {
    CheckNewPage(2);
    printer_.setFontItalic(true);
    printer_.setFontBold(true);
    printer_.setCurrentX(printer_.Width() / 4 - printer_.TextWidth(text) / 2);
    printer_.Print(text);
    printer_.setFontItalic(false);
    printer_.setFontBold(false);
}

void Destination::PSubSectionHeader(const std::string& text) {
    CheckNewPage(2);
    printer_.setCurrentX(doubleMargin() - printer_.TextWidth(text) / 2);
    printer_.Print(text);
}

void Destination::add2tline(const std::string& a, const std::string& b) {
    CheckNewPage(1);
    printer_.setCurrentX(halfMargin());
    printer_.PrintInline(a);
    printer_.setCurrentX(Int16(printer_.ScaleWidth() - halfMargin() - printer_.TextWidth(b)));
    printer_.PrintInline(b);
    printer_.Print();
}

template <size_t K>
void Destination::columns(const std::string (&texts)[K], double across) {
    CheckNewPage(1);
    short cw = Int16((across - Margin) / static_cast<double>(K));
    short x1 = Int16(halfMargin() + cw);
    printer_.setCurrentX(halfMargin());
    printer_.PrintInline(texts[0]);
    short x = x1;
    for (size_t i = 1; i < K; ++i) {
        if (i > 1) x = Add16(x, cw);
        printer_.setCurrentX(x);
        printer_.PrintInline(texts[i]);
    }
    printer_.Print();
}

void Destination::add3tline(const std::string& a, const std::string& b, const std::string& c) {
    const std::string texts[] = {a, b, c};
    columns(texts, printer_.ScaleWidth());
}

void Destination::add4tline(const std::string& a, const std::string& b, const std::string& c,
                            const std::string& d) {
    const std::string texts[] = {a, b, c, d};
    columns(texts, printer_.ScaleWidth());
}

void Destination::add6tline(const std::string& a, const std::string& b, const std::string& c,
                            const std::string& d, const std::string& e, const std::string& f) {
    const std::string texts[] = {a, b, c, d, e, f};
    columns(texts, printer_.Width());
}

}  // namespace vado::report
