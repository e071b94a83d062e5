#include "ui/qt/export_menu.h"

#include <QMenuBar>

#include "ui/export_offer.h"
#include "ui/qt/conversions.h"
#include "ui/qt/export_dialog.h"
#include "ui/qt/graph_export.h"
#include "ui/qt/main_window.h"

namespace ui::qt {

namespace {

// The window's menu of that title, made (before `before`, when given) if it is not there yet.
QMenu* MenuNamed(MainWindow& window, const QString& title, QAction* before = nullptr) {
    for (QAction* a : window.menuBar()->actions())
        if (a->menu() && a->text() == title) return a->menu();
    auto* menu = new QMenu(title, &window);
    if (before)
        window.menuBar()->insertMenu(before, menu);
    else
        window.menuBar()->addMenu(menu);
    return menu;
}

QAction* ActionNamed(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

}  // namespace

void InstallExportMenu(MainWindow& window, ui::Services& services, ExportHooks hooks) {
    QMenu* file = MenuNamed(window, "&File");
    // After Print..., where a person looks for another way out of the program.
    QAction* print = ActionNamed(file, "&Print...");
    const QList<QAction*> actions = file->actions();
    const qsizetype at = print ? actions.indexOf(print) + 1 : actions.size();
    QAction* before = at < actions.size() ? actions[at] : nullptr;
    auto* pdf = new QAction("Export P&DF...", file);
    auto* table = new QAction("Export &Table...", file);
    file->insertAction(before, pdf);
    file->insertAction(before, table);
    // Export PDF is Print to a file: greyed where Print is (the About page has no report).
    if (print) {
        pdf->setEnabled(print->isEnabled());
        QObject::connect(print, &QAction::enabledChanged, pdf, &QAction::setEnabled);
    }

    QObject::connect(pdf, &QAction::triggered, &window, [&window, &services, hooks] {
        const QString name = ToQ(hooks.baseName());
        PrintWith(
            services, [&window, name] { return ChoosePdfFile(&window, name); }, hooks.print);
    });
    QObject::connect(table, &QAction::triggered, &window, [&window, &services, hooks] {
        if (hooks.tableCsv().empty()) return;
        RunExport(&window, services, {.baseName = hooks.baseName(), .tableCsv = hooks.tableCsv},
                  kDefaultGraphSize);
    });
    QObject::connect(file, &QMenu::aboutToShow, table,
                     [table, hooks] { table->setEnabled(!hooks.tableCsv().empty()); });

    QAction* help = nullptr;
    for (QAction* a : window.menuBar()->actions())
        if (a->menu() && a->text() == "&Help") help = a;
    QMenu* edit = MenuNamed(window, "&Edit", help);
    QAction* copy = edit->addAction("&Copy Results");
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QObject::connect(copy, &QAction::triggered, &window, [&services, hooks] {
        services.ClipboardClear();
        services.ClipboardSetText(hooks.resultsText());
    });
}

}  // namespace ui::qt
