#include "ui/qt/qt_printer.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include "ui/safe_file.h"

namespace ui::qt {

namespace {

// Lines are half a point wide: thin, as a printer's single-dot line, but visible at any
// resolution.
constexpr double kPenTwips = 10;
constexpr int kPdfResolution = 1200;

QString ToQ(const std::string& s) { return QString::fromStdString(s); }

void RequireGuiApplication() {
    if (!QGuiApplication::instance())
        throw ui::PrintError("printing needs the program's graphical session");
}

}  // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer)
    : ui::Printer(ui::Font{"Times New Roman", 12}) {
    RequireGuiApplication();
    name_ = printer->printerName().toStdString();
    printer_ = printer.get();
    device_ = std::move(printer);
    begin();
}

QtPrinter::QtPrinter(const std::string& pdfPath, const QPageLayout& page)
    : ui::Printer(ui::Font{"Times New Roman", 12}), name_(pdfPath) {
    RequireGuiApplication();
    // As every file the program writes: through a symbolic link to its target, and never over a
    // folder, a device or a pipe (QSaveFile would write into a FIFO or fail late on a folder).
    std::string why;
    const std::string target = ui::WriteTarget(pdfPath, why);
    if (target.empty() || !ui::MayReplace(target, why))
        throw ui::PrintError("cannot write " + pdfPath + " (" + why + ")");
    file_ = std::make_unique<QSaveFile>(ToQ(target));
    if (!file_->open(QIODevice::WriteOnly))
        throw ui::PrintError("cannot write " + pdfPath + " (" + file_->errorString().toStdString() +
                             ")");
    auto writer = std::make_unique<QPdfWriter>(file_.get());
    writer->setResolution(kPdfResolution);
    writer->setCreator("Vadocalc");
    writer->setTitle(QFileInfo(ToQ(pdfPath)).completeBaseName());
    writer->setPageLayout(page);
    device_ = std::move(writer);
    begin();
}

QtPrinter::~QtPrinter() { KillDoc(); }

void QtPrinter::begin() {
    if (!painter_.begin(device_.get())) {
        if (file_) file_->cancelWriting();
        throw ui::PrintError("cannot start printing on " + name_);
    }
    canvas_.attach(device_.get());
    QPen pen(Qt::black);
    pen.setWidthF(canvas_.toDeviceX(kPenTwips));
    painter_.setPen(pen);
    fontChanged();
}

void QtPrinter::requireActive() const {
    if (finished_ || !painter_.isActive()) throw ui::PrintError("the print job is over");
}

QPageLayout QtPrinter::pageLayout() const { return device_->pageLayout(); }

double QtPrinter::Width() const {
    return pageLayout().fullRectPoints().width() * ui::kTwipsPerPoint;
}
double QtPrinter::Height() const {
    return pageLayout().fullRectPoints().height() * ui::kTwipsPerPoint;
}
double QtPrinter::ScaleWidth() const {
    return pageLayout().paintRectPoints().width() * ui::kTwipsPerPoint;
}
double QtPrinter::ScaleHeight() const {
    return pageLayout().paintRectPoints().height() * ui::kTwipsPerPoint;
}

void QtPrinter::fontChanged() { canvas_.setFont(font()); }

QString QtPrinter::resolvedFamily() const { return QFontInfo(painter_.font()).family(); }

double QtPrinter::lineWidth(const std::string& line) { return canvas_.lineWidth(line); }

double QtPrinter::lineHeight() { return canvas_.lineHeight(); }

void QtPrinter::drawText(double x, double y, const std::string& s) {
    requireActive();
    canvas_.text(x, y, s);
}

void QtPrinter::drawLine(double x1, double y1, double x2, double y2) {
    requireActive();
    canvas_.line(x1, y1, x2, y2);
}

void QtPrinter::drawPoint(double x, double y) {
    requireActive();
    painter_.drawPoint(canvas_.toDevice(x, y));
}

void QtPrinter::drawCircle(double cx, double cy, double radius) {
    requireActive();
    canvas_.circle(cx, cy, radius);
}

void QtPrinter::drawRotatedText(double x, double y, const std::string& s, double degrees) {
    requireActive();
    canvas_.rotatedText(x, y, s, degrees);
}

void QtPrinter::erase(double x, double y, double w, double h) {
    requireActive();
    canvas_.fill(x, y, w, h, Qt::white);
}

bool QtPrinter::PaintPicture(const std::string& file, double x, double y, double w, double h) {
    requireActive();
    QImage image(ToQ(file));
    if (image.isNull()) return false;
    painter_.drawImage(
        QRectF(canvas_.toDevice(x, y), QSizeF(canvas_.toDeviceX(w), canvas_.toDeviceY(h))), image);
    return true;
}

void QtPrinter::startNextPage() {
    requireActive();
    if (!device_->newPage()) throw ui::PrintError("cannot start a new page on " + name_);
}

bool QtPrinter::EndDoc() {
    if (finished_) return false;
    finished_ = true;
    bool ok = painter_.end();
    if (file_) {
        if (!ok) {
            file_->cancelWriting();
            file_->commit();
            return false;
        }
        return file_->commit();
    }
    return ok && printer_->printerState() != QPrinter::Error;
}

void QtPrinter::KillDoc() {
    if (finished_) return;
    finished_ = true;
    if (printer_) printer_->abort();
    if (painter_.isActive()) painter_.end();
    if (file_) {
        // Without a commit the temporary file is removed and the named one left untouched.
        file_->cancelWriting();
        file_->commit();
    }
}

std::unique_ptr<ui::Printer> ChooseQtPrinter(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Reports are laid out for US letter, whatever paper the locale would suggest; the person
    // may still choose another in the dialog.
    printer->setPageSize(QPageSize(QPageSize::Letter));
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle("Print");
    // One report, all of its pages: no page range, selection or current page to choose from.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        QString file = printer->outputFileName();
        if (file.isEmpty()) throw ui::PrintError("no file name was given for the PDF");
        return std::make_unique<QtPrinter>(file.toStdString(), printer->pageLayout());
    }
    return std::make_unique<QtPrinter>(std::move(printer));
}

std::unique_ptr<ui::Printer> MakePdfPrinter(const std::string& path) {
    QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    return std::make_unique<QtPrinter>(path, letter);
}

}  // namespace ui::qt
