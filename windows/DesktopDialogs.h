#pragma once
// The desktop's file and print dialogs (QFileDialog, QPrintDialog), which the program
// installs in Platform() at start-up, and the turning of "|"-separated filters into the
// file dialog's name filters.

#include "PlatformSeams.h"

#include <QStringList>

namespace orbelune {

TFileDialogs& DesktopFileDialogs();
TPrintDialogs& DesktopPrintDialogs();

// "JPEG Image File (*.jpg)|*.jpg|Text (*.txt;*.text)|*.txt;*.text" as Qt's name filters
// "JPEG Image File (*.jpg)", "Text (*.txt *.text)": each description with the patterns
// that follow it (in place of any it names itself). A description without patterns is
// left out.
QStringList QtNameFilters(const QString& Filter);

}  // namespace orbelune
