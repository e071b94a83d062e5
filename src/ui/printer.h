#pragma once

#include <stdexcept>
#include <string>

#include "ui/surface.h"

namespace ui {

// A print job that cannot go on: the device refused, a file could not be written, a position
// fell outside what the page can address.
struct PrintError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One print job on one printer (a real printer, a PDF file, a recording). Coordinates are
// twips from the top left corner of the printable area; the job starts on page 1.
class Printer : public Surface {
  public:
    using Surface::Surface;

    // The physical page.
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    // The printable area.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // The printer's name, or the file the job goes to.
    virtual std::string DeviceName() const = 0;

    int Page() const { return page_; }
    // Finishes the page and starts the next one, with the print position at its top left.
    void NewPage();

    // Draws a picture file scaled into the rectangle; false (and nothing drawn) when the file
    // cannot be read as a picture.
    virtual bool PaintPicture(const std::string& file, double x, double y, double width,
                              double height) = 0;
    // Ends the job: the pages go to the printer or the file. False when they could not; the job
    // is then over and nothing is left behind.
    virtual bool EndDoc() = 0;
    // Abandons the job: nothing reaches the printer and no file is left. Harmless after EndDoc.
    virtual void KillDoc() = 0;

  protected:
    virtual void startNextPage() = 0;

  private:
    int page_ = 1;
};

}  // namespace ui
