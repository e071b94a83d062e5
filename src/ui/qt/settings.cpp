#include "ui/qt/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <QWidget>

namespace ui::qt {

namespace {

constexpr const char* kGeometry = "window/geometry";
constexpr const char* kRecent = "recentFiles";

// Saves a window's geometry as it closes, and once more when the program ends with it open
// (the Exit button quits without closing it first).
class GeometryKeeper : public QObject {
  public:
    GeometryKeeper(QWidget& window, Settings& settings)
        : QObject(&window), window_(&window), settings_(settings) {
        window.installEventFilter(this);
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { save(); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == window_ && e->type() == QEvent::Close) save();
        return false;
    }

  private:
    void save() {
        if (!window_ || !window_->isVisible()) return;
        settings_.setWindowGeometry(window_->saveGeometry());
        settings_.sync();
    }

    QPointer<QWidget> window_;
    Settings& settings_;
};

}  // namespace

Settings::Settings()
    : store_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "vadocalc",
                                         "vadocalc")) {}

Settings::Settings(const QString& file)
    : store_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

Settings::~Settings() = default;

QString Settings::fileName() const { return store_->fileName(); }

void Settings::clear() {
    store_->clear();
    store_->sync();
}

QByteArray Settings::windowGeometry() const { return store_->value(kGeometry).toByteArray(); }

void Settings::setWindowGeometry(const QByteArray& geometry) {
    store_->setValue(kGeometry, geometry);
}

QStringList Settings::recentFiles() const {
    QStringList files = store_->value(kRecent).toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    while (files.size() > kRecentFiles) files.removeLast();
    return files;
}

void Settings::addRecentFile(const QString& path) {
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > kRecentFiles) files.removeLast();
    store_->setValue(kRecent, files);
    store_->sync();
}

void Settings::removeRecentFile(const QString& path) {
    QStringList files = recentFiles();
    if (files.removeAll(path) == 0) return;
    store_->setValue(kRecent, files);
    store_->sync();
}

void Settings::sync() { store_->sync(); }

void RememberGeometry(QWidget& window, Settings& settings) {
    const QByteArray geometry = settings.windowGeometry();
    if (!geometry.isEmpty()) window.restoreGeometry(geometry);
    new GeometryKeeper(window, settings);
}

}  // namespace ui::qt
