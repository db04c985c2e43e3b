#pragma once
// The picture button the pages share: its name, picture, tooltip and size.

#include <QIcon>
#include <QString>

class QPushButton;
class QWidget;

namespace quorvex::ui {

// A button with a 22-pixel picture, at least 32 pixels high, that Enter on
// its page does not press. The parent owns it.
QPushButton* PageButton(const QString& text, const QIcon& icon, const QString& tip,
                        const char* name, QWidget* parent);

}  // namespace quorvex::ui
