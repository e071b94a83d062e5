#include "report/print_job.h"

#include <cstdio>
#include <ctime>
#include <exception>
#include <filesystem>

namespace vado::report {

namespace {

constexpr const char* kReportFont = "Times New Roman";
constexpr double kReportFontSize = 12;
// The logo's box, in twips: half an inch from the corner, 6.944 by 0.43 inches.
constexpr double kLogoLeft = 720, kLogoTop = 720, kLogoWidth = 9999.36, kLogoHeight = 619.2;
constexpr double kHeaderTop = 1800;
constexpr short kOwnerFontSize = 24;

}  // namespace

std::string FormatDate(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month, date.day, date.year);
    return text;
}

Date LocalToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void PrintReportHeader(Destination& d, const std::string& title, const ProjectInfo& info,
                       const Date& date) {
    auto skip = [&d](int times) {
        for (int i = 0; i < times; ++i) d.SkipLine();
    };
    d.center(title);
    skip(3);
    d.center("prepared for");
    skip(3);
    short size = d.fontsize();
    d.fontsize(kOwnerFontSize);
    d.center(info.owner);
    d.fontsize(size);
    skip(1);
    d.center("in");
    skip(1);
    d.center(info.county + " County, " + info.state);
    skip(1);
    d.add2tline("Designer: " + info.designer, "Checker: ___________________");
    d.add2tline("Date: " + FormatDate(date), "Date: ___________________");
    skip(1);
    d.HRule();
    skip(2);
    d.center(info.site);
    skip(1);
}

void PrintReport(ui::Printer& printer, const ReportJob& job) {
    try {
        const std::string fontName = printer.FontName();
        const double fontSize = printer.FontSize();
        printer.setFontName(kReportFont);
        printer.setFontSize(kReportFontSize);
        printer.setFontItalic(false);

        std::error_code ec;
        if (!job.logoFile.empty() && std::filesystem::is_regular_file(job.logoFile, ec))
            printer.PaintPicture(job.logoFile, kLogoLeft, kLogoTop, kLogoWidth, kLogoHeight);

        printer.setCurrentY(kHeaderTop);
        Destination d(printer, job.info.owner);
        PrintReportHeader(d, job.title, job.info, job.date);
        if (job.body) job.body(d);

        printer.setFontName(fontName);
        printer.setFontSize(fontSize);
        if (!printer.EndDoc())
            throw ui::PrintError("the pages could not be sent to " + printer.DeviceName());
    } catch (const ui::PrintError&) {
        printer.KillDoc();
        throw;
    } catch (const std::exception& e) {
        printer.KillDoc();
        throw ui::PrintError(e.what());
    }
}

}  // namespace vado::report
