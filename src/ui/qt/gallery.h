#pragma once

#include <QStringList>
#include <optional>

namespace ui::qt {

class MainWindow;

// Pictures of the program for a machine without a screen, asked for on the command line:
//
//   --screenshot DIR --gallery
//       every page with its worked example computed, and every result window those examples
//       open, each a PNG of its own window at the size it opens at: DIR/<formName>.png
//       (frmWeir.png, frmStageDischarge.png, ...).
//   --screenshot FILE [--page N] [--set NAME=TEXT]... [--click NAME]... [--f1]
//       page N (from 0) after the steps (a list takes an item index; WINDOW.tabStrip=INDEX picks
//       a page of an open result window), the whole screen in one picture.
//
// Returns the exit status when the arguments ask for pictures, nothing otherwise.
std::optional<int> TakePictures(const QStringList& args, MainWindow& window);

}  // namespace ui::qt
