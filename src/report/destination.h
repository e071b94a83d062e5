#pragma once

#include <string>

#include "ui/printer.h"

namespace vado::report {

// The report writer: lays report lines out on a printer at fixed positions, and starts a new
// page (with "(continued)" and a page header naming the landowner) when the next block would
// run into the bottom margin. Positions that need 16-bit arithmetic get it, so a page too small
// for its text fails with ui::PrintError rather than printing garbage.
class Destination {
  public:
    Destination(ui::Printer& printer, const std::string& ownerName);

    ui::Printer& printer() const { return printer_; }
    const std::string& ownerName() const { return owner_; }

    // One inch; half of it is the left edge of columns and rules, twice it the centre of
    // subsection headers.
    const short Margin = 1440;

    void BoldOn();
    void BoldOff();
    void ItalicOn();
    void ItalicOff();
    short fontsize() const;
    void fontsize(short size);

    // A rule across the printable width, then SkipLine.
    void HRule();
    // One line centred on the printable width.
    void center(const std::string& text);
    // One line starting at Margin.
    void AddLine(const std::string& text);
    // Starts a new page when n more lines (and one to spare) no longer fit above the bottom
    // margin; true when it did.
    bool CheckNewPage(short n);
    void CheckNewPage(short n, bool& newPage) { newPage = CheckNewPage(n); }
    // A gap of 0.35 line, left out right after a page break.
    void SkipLine();
    // A bold italic heading centred on the first quarter of the page.
    void PSectionHeader(const std::string& text);
    // A heading centred 2 inches from the left.
    void PSubSectionHeader(const std::string& text);
    // a at the left, b ending at the right edge less half the margin.
    void add2tline(const std::string& a, const std::string& b);
    // Equal columns across the printable width less the margin.
    void add3tline(const std::string& a, const std::string& b, const std::string& c);
    void add4tline(const std::string& a, const std::string& b, const std::string& c,
                   const std::string& d);
    // Six columns over the physical page width less the margin.
    void add6tline(const std::string& a, const std::string& b, const std::string& c,
                   const std::string& d, const std::string& e, const std::string& f);

  private:
    double halfMargin() const { return Margin * 0.5; }
    double doubleMargin() const { return 2.0 * Margin; }
    double lineHeight() const;
    template <size_t K>
    void columns(const std::string (&texts)[K], double across);

    ui::Printer& printer_;
    std::string owner_;
};

// x rounded half to even to a 16-bit integer; ui::PrintError when it does not fit.
short Int16(double x);

}  // namespace vado::report
