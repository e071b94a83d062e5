#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <memory>
#include <string>

#include "ui/printer.h"
#include "ui/qt/painter_surface.h"

class QPagedPaintDevice;
class QPrinter;
class QSaveFile;
class QWidget;

namespace ui::qt {

// A print job drawn with a QPainter on a printer chosen in the print dialog or on a PDF file.
// Twips become device units through the device's resolution; fonts are looked up by name, so
// "Times New Roman" comes out as the installed face or the metric-compatible Liberation Serif.
// A PDF is written to a temporary file beside its name and takes that name only when the job
// ends, so an abandoned or failed job never leaves a partial file.
class QtPrinter : public ui::Printer {
  public:
    // A job on a printer the print dialog set up (not one printing to a file).
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    // A job writing a PDF file with the given page.
    QtPrinter(const std::string& pdfPath, const QPageLayout& page);
    ~QtPrinter() override;

    double Width() const override;
    double Height() const override;
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    std::string DeviceName() const override { return name_; }
    bool PaintPicture(const std::string& file, double x, double y, double w, double h) override;
    bool EndDoc() override;
    void KillDoc() override;

    // The face the current font resolved to.
    QString resolvedFamily() const;

  protected:
    double lineWidth(const std::string& line) override;
    double lineHeight() override;
    void drawText(double x, double y, const std::string& s) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawPoint(double x, double y) override;
    void drawCircle(double cx, double cy, double radius) override;
    void drawRotatedText(double x, double y, const std::string& s, double degrees) override;
    void erase(double x, double y, double w, double h) override;
    void startNextPage() override;
    void fontChanged() override;

  private:
    void begin();
    void requireActive() const;
    QPageLayout pageLayout() const;

    std::string name_;
    std::unique_ptr<QSaveFile> file_;    // the PDF being written, when the job is a file
    std::unique_ptr<QPagedPaintDevice> device_;
    QPrinter* printer_ = nullptr;        // device_ when it is a printer
    QPainter painter_;
    PainterCanvas canvas_{painter_};
    bool finished_ = false;
};

// The print dialog: the person chooses a printer or a PDF file (always offered). Null when the
// dialog was cancelled. May throw ui::PrintError when the chosen output cannot be opened.
std::unique_ptr<ui::Printer> ChooseQtPrinter(QWidget* parent);

// A PDF file on a US letter page, all of it printable. Throws ui::PrintError when the file
// cannot be created. Needs a QGuiApplication (the fonts come from it).
std::unique_ptr<ui::Printer> MakePdfPrinter(const std::string& path);

}  // namespace ui::qt
