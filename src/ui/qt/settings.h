#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;
class QWidget;

namespace ui::qt {

// What the desktop program remembers between runs: the window's place and size and the
// projects opened last. Kept by QSettings in the platform's standard place, on Linux
// $XDG_CONFIG_HOME/vadocalc/vadocalc.conf (~/.config/vadocalc/vadocalc.conf); deleting that
// file, or starting with --reset-settings, starts afresh.
class Settings {
  public:
    static constexpr int kRecentFiles = 8;

    // The standard place.
    Settings();
    // A file of its own (tests).
    explicit Settings(const QString& file);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    QString fileName() const;
    // Forgets everything.
    void clear();

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);

    // The projects opened or saved last, the latest first.
    QStringList recentFiles() const;
    // Puts a project first in the list (once; the list keeps kRecentFiles).
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    // Writes what changed to the file now.
    void sync();

  private:
    std::unique_ptr<QSettings> store_;
};

// Gives `window` the place and size it had when it last closed, and remembers them each time
// it closes. A window never closed before keeps the size it was given.
void RememberGeometry(QWidget& window, Settings& settings);

}  // namespace ui::qt
