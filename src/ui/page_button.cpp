#include "ui/page_button.h"

#include <QPushButton>

namespace quorvex::ui {

QPushButton* PageButton(const QString& text, const QIcon& icon, const QString& tip,
                        const char* name, QWidget* parent) {
    auto* button = new QPushButton(icon, text, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    button->setIconSize(QSize(22, 22));
    button->setMinimumHeight(32);
    return button;
}

}  // namespace quorvex::ui
