#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <vector>

#include "app/main_module.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_services.h"

namespace {

// `--screenshot FILE [--page N]`: shows page N (from 0), saves a picture of the main window
// and ends; for looking at the pages on a machine without a screen.
struct Screenshot {
    QString file;
    int page = 0;
};

Screenshot ScreenshotRequest(const QStringList& args) {
    Screenshot s;
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--screenshot") s.file = args[i + 1];
        if (args[i] == "--page") s.page = args[i + 1].toInt();
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vadocalc");

    ui::qt::QtServices services;
    vado::MainModule module(services);
    module.SubMain();

    ui::qt::MainWindow window(
        std::vector<ui::Form*>(module.FormList.begin(), module.FormList.end()), services);
    services.selectPrinter = [&window] { return ui::qt::ChooseQtPrinter(&window); };
    window.show();

    const Screenshot shot = ScreenshotRequest(QApplication::arguments());
    if (!shot.file.isEmpty()) {
        window.clickTab(shot.page);
        int status = 0;
        QTimer::singleShot(300, &window, [&] {
            status = window.grab().save(shot.file) ? 0 : 1;
            QApplication::quit();
        });
        app.exec();
        return status;
    }
    return app.exec();
}
