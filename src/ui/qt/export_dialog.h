#pragma once

#include <QSize>
#include <QString>
#include <memory>

#include "ui/export_offer.h"
#include "ui/printer.h"
#include "ui/services.h"

class QWidget;

namespace ui::qt {

class QtServices;

// Installs the desktop's answer to a window's Export command: RunExport over the window, a graph
// at the size it has on screen.
void InstallExportDialog(QtServices& services);

// Asks where to and in which form (what the offer has: CSV table, PNG or SVG graph, PDF report)
// and writes it, the file replaced all at once; a graph is drawn `graphSize` pixels large (a PNG
// also asks its scale). Problems are shown in a message; a cancelled dialog writes nothing.
void RunExport(QWidget* parent, ui::Services& services, const ui::ExportOffer& offer,
               QSize graphSize);

// A report's destination chosen as a PDF file (US letter), asked for when the report is about
// to print; null when the person cancelled.
std::unique_ptr<ui::Printer> ChoosePdfFile(QWidget* parent, const QString& baseName);

// Runs `print` with the report going to `printer` instead of the print dialog.
void PrintWith(ui::Services& services, std::function<std::unique_ptr<ui::Printer>()> printer,
               const std::function<void()>& print);

}  // namespace ui::qt
