#pragma once

#include <functional>
#include <string>

#include "report/destination.h"
#include "ui/printer.h"

namespace vado::report {

struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// "03/07/2004": month, day and year with leading zeros.
std::string FormatDate(const Date& date);
// Today in the local time zone.
Date LocalToday();

// Who and where the design is for, as the project-information dialog holds it.
struct ProjectInfo {
    std::string owner;
    std::string county;
    std::string state;
    std::string designer;
    std::string site;
};

// The first lines of every report: title, landowner, location, designer and date, a rule and
// the site.
void PrintReportHeader(Destination& d, const std::string& title, const ProjectInfo& info,
                       const Date& date);

struct ReportJob {
    std::string title;
    ProjectInfo info;
    Date date;
    // The logo drawn across the top of the first page; skipped when missing or unreadable.
    std::string logoFile;
    std::function<void(Destination&)> body;
};

// Prints one report on a printer chosen for it and ends the job. Any failure abandons the job
// (nothing reaches the printer, no file is left) and is thrown on as ui::PrintError.
void PrintReport(ui::Printer& printer, const ReportJob& job);

}  // namespace vado::report
