#pragma once
// The about box opened by the main window's "Credits" button.

#include <QDialog>

namespace quorvex::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace quorvex::ui
