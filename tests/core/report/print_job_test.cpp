#include "report/print_job.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "report/report_bodies.h"
#include "ui/recording_printer.h"

namespace vado::report {
namespace {

using Kind = ui::RecordedOp::Kind;

ReportJob WeirJob() {
    return {.title = "Weir Flow Formula Solution",
            .info = {.owner = "Hilltop Farm LLC", .county = "Adams", .state = "PA", .designer = "Field Office", .site = "Pond 3"},
            .date = {2004, 3, 7},
            .body = [](Destination& d) { d.center("body line"); }};
}

TEST(ReportHeader, LinesInOrderThenTheBody) {
    ui::RecordingPrinter p;
    p.setFontItalic(true);
    PrintReport(p, WeirJob());
    std::vector<std::string> texts;
    for (auto* op : p.texts()) texts.push_back(op->text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Weir Flow Formula Solution", "prepared for", "Hilltop Farm LLC", "in",
                                               "Adams County, PA", "Designer: Field Office", "Checker: ___________________",
                                               "Date: 03/07/2004", "Date: ___________________", "Pond 3", "body line"}));
    EXPECT_EQ(p.ops.back().kind, Kind::EndDoc);
    // Times New Roman 12 (the owner 24, centred in its own size), the printer's font given back.
    for (auto* op : p.texts()) {
        EXPECT_EQ(op->font.name, "Times New Roman") << op->text;
        EXPECT_FALSE(op->font.italic) << op->text;
    }
    const ui::RecordedOp* owner = p.findText("Hilltop Farm LLC");
    EXPECT_EQ(owner->font.size, 24);
    EXPECT_EQ(owner->x, (12240 - 16 * 200) / 2.0);
    EXPECT_EQ(p.findText("in")->y, owner->y + 480 + 84) << "the large line is a large line high";
    EXPECT_EQ(p.FontName(), "Courier New");
    EXPECT_EQ(p.FontSize(), 10);

    ReportJob job = WeirJob();
    job.info = {};
    ui::RecordingPrinter empty;
    PrintReport(empty, job);
    EXPECT_NE(empty.findText(" County, "), nullptr) << "empty county and state still form the line";
    EXPECT_EQ(FormatDate({1999, 12, 31}), "12/31/1999");
}

TEST(ReportLogo, DrawnAboveTheHeaderWhenPresentAndReadableAndSkippedOtherwise) {
    const auto logo = std::filesystem::temp_directory_path() / ("vado_logo_" + std::to_string(::getpid()) + ".bmp");
    std::ofstream(logo) << "BM";
    for (int c = 0; c < 3; ++c) {  // present, missing, unreadable
        ReportJob job = WeirJob();
        job.logoFile = logo.string() + (c == 1 ? ".missing" : "");
        ui::RecordingPrinter p;
        if (c == 2) p.pictureReadable = [](const std::string&) { return false; };
        PrintReport(p, job);
        EXPECT_EQ(p.ops.front().kind == Kind::Picture && p.ops.front().text == logo.string(), c == 0) << c;
        EXPECT_TRUE(p.ended) << c;
        EXPECT_EQ(p.texts().front()->y, 1800) << c << ": the header starts below the logo's place";
    }
    std::filesystem::remove(logo);
}

TEST(PrintJob, AFailureAnywhereAbandonsTheJob) {
    const struct {
        const char* name;
        std::function<void(ui::RecordingPrinter&, ReportJob&)> arrange;
    } cases[] = {
        {"the body fails",
         [](ui::RecordingPrinter&, ReportJob& j) {
             j.body = [](Destination& d) {
                 d.center("half");
                 throw ui::PrintError("body");
             };
         }},
        {"the body hits an unexpected error",
         [](ui::RecordingPrinter&, ReportJob& j) {
             j.body = [](Destination&) { throw std::out_of_range("index"); };
         }},
        {"the printer refuses a line",
         [](ui::RecordingPrinter& p, ReportJob&) {
             p.beforeOp = [](const ui::RecordedOp& op) {
                 if (op.text == "in") throw ui::PrintError("device");
             };
         }},
        {"a position overflows",
         [](ui::RecordingPrinter&, ReportJob& j) {
             j.body = [](Destination& d) {
                 d.printer().setCurrentY(1e6);
                 d.SkipLine();
             };
         }},
        {"the pages cannot be sent",
         [](ui::RecordingPrinter& p, ReportJob&) { p.endDocSucceeds = false; }},
    };
    for (const auto& c : cases) {
        ui::RecordingPrinter p;
        ReportJob job = WeirJob();
        c.arrange(p, job);
        EXPECT_THROW(PrintReport(p, job), ui::PrintError) << c.name;
        EXPECT_FALSE(p.ended) << c.name;
        EXPECT_TRUE(p.killed) << c.name;
    }
}

}  // namespace
}  // namespace vado::report
