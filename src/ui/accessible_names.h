#pragma once
// Many buttons and labels of the program show only a picture; a screen reader
// would read them out as "button". Once installed, every such control takes
// the text of its tooltip as its accessible name, whenever the tooltip is set
// or changes and when the control is first shown.

class QApplication;

namespace quorvex::ui {

// Install once, before the windows are built; the application owns the filter.
void InstallAccessibleNames(QApplication& application);

}  // namespace quorvex::ui
