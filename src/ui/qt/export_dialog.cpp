#include "ui/qt/export_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <vector>

#include "ui/form.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/form_window.h"
#include "ui/qt/graph_export.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_services.h"
#include "ui/safe_file.h"

namespace ui::qt {

namespace {

// Where the last file was exported to, for the next dialog.
QString& LastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

struct Format {
    QString filter;
    QString suffix;
};

// The file the person chose, with the extension of its type, or "" when cancelled.
QString AskFile(QWidget* parent, const QString& title, const QString& baseName,
                const std::vector<Format>& formats, const Format*& chosen) {
    QStringList filters;
    for (const Format& f : formats) filters << f.filter;
    QString selected = formats.front().filter;
    QString path = QFileDialog::getSaveFileName(
        parent, title, QDir(LastFolder()).filePath(baseName + "." + formats.front().suffix),
        filters.join(";;"), &selected);
    if (path.isEmpty()) return {};
    // The name's own extension says the type when it is one offered; else the chosen filter's is
    // added.
    chosen = nullptr;
    for (const Format& f : formats)
        if (QFileInfo(path).suffix().compare(f.suffix, Qt::CaseInsensitive) == 0) chosen = &f;
    if (!chosen) {
        chosen = &formats.front();
        for (const Format& f : formats)
            if (f.filter == selected) chosen = &f;
        path += "." + chosen->suffix;
    }
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

void Problem(QWidget* parent, const QString& what, const QString& path, const std::string& why) {
    QMessageBox::warning(parent, "Vadocalc",
                         what + " could not be written to " + path + ": " + ToQ(why) + ".");
}

}  // namespace

void PrintWith(ui::Services& services, std::function<std::unique_ptr<ui::Printer>()> printer,
               const std::function<void()>& print) {
    struct Restore {
        ui::Services& services;
        std::function<std::unique_ptr<ui::Printer>()> saved;
        ~Restore() { services.selectPrinter = std::move(saved); }
    } restore{services, services.selectPrinter};
    services.selectPrinter = std::move(printer);
    print();
}

std::unique_ptr<ui::Printer> ChoosePdfFile(QWidget* parent, const QString& baseName) {
    const std::vector<Format> pdf = {{"PDF report (*.pdf)", "pdf"}};
    const Format* chosen = nullptr;
    const QString path = AskFile(parent, "Export PDF", baseName, pdf, chosen);
    if (path.isEmpty()) return nullptr;
    return MakePdfPrinter(path.toStdString());
}

void RunExport(QWidget* parent, ui::Services& services, const ui::ExportOffer& offer,
               QSize graphSize) {
    std::vector<Format> formats;
    if (offer.tableCsv) formats.push_back({"CSV table (*.csv)", "csv"});
    if (offer.graph) {
        formats.push_back({"PNG picture (*.png)", "png"});
        formats.push_back({"SVG drawing (*.svg)", "svg"});
    }
    if (offer.report) formats.push_back({"PDF report (*.pdf)", "pdf"});
    if (formats.empty()) {
        QMessageBox::information(parent, "Vadocalc", "There is nothing to export yet.");
        return;
    }
    const Format* format = nullptr;
    const QString path = AskFile(parent, "Export", ToQ(offer.baseName), formats, format);
    if (path.isEmpty()) return;
    const std::string file = path.toStdString();
    std::string why;
    if (format->suffix == "csv") {
        if (!WriteFileAtomically(file, offer.tableCsv(), why))
            Problem(parent, "The table", path, why);
    } else if (format->suffix == "pdf") {
        // The report runs as Print does (Compute, the project information), then goes to the file.
        PrintWith(
            services, [file] { return MakePdfPrinter(file); }, offer.report);
    } else {
        double scale = 1;
        if (format->suffix == "png") {
            bool ok = false;
            const QStringList scales = {QString::fromUtf8("1\u00d7"), QString::fromUtf8("2\u00d7"),
                                        QString::fromUtf8("3\u00d7"), QString::fromUtf8("4\u00d7")};
            const QString choice = QInputDialog::getItem(
                parent, "Export Graph", "Scale of the picture:", scales, 1, false, &ok);
            if (!ok) return;
            scale = choice.left(1).toInt();
        }
        if (!WriteGraph(file, offer.graph, graphSize, scale, kGraphFont, why))
            Problem(parent, "The graph", path, why);
    }
}

void InstallExportDialog(QtServices& services) {
    services.offerExport = [&services](const ui::ExportOffer& offer) {
        QSize size = kDefaultGraphSize;
        if (offer.graphView)
            if (FormWindow* window = services.windowOf(offer.graphView->form()))
                if (QWidget* graph = window->view().widgetOf(*offer.graphView);
                    graph && graph->isVisible())
                    size = graph->size();
        RunExport(QApplication::activeWindow(), services, offer, size);
    };
}

}  // namespace ui::qt
