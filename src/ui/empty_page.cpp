#include "ui/empty_page.h"

namespace quorvex::ui {

EmptyPage::EmptyPage(QWidget* parent) : QWidget(parent) {}

void EmptyPage::ShowGame(const std::string& description, bool force) {
    if (!NeedsRefill(m_shownGame, description, force)) {
        return;
    }
    m_shownGame = description;
    ++m_refills;
}

}  // namespace quorvex::ui
