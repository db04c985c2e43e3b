// The games page's filter check list with its counts, the And/Or switch
// and "Unselect all!".

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "browse/conditions.h"
#include "browse/games_list.h"
#include "ui/browse/browse_artwork.h"
#include "ui/browse/games_page.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

void GamesPage::RefillFilterList() {
    m_filling = true;
    m_filters->clear();
    const std::size_t count = m_session.filters.size();
    m_session.state.lastFilters = browse::NormalisedFilterFlags(m_session.state.lastFilters, count);
    m_checkStates.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(ToQString(m_session.filters[i].name), m_filters);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool active = m_session.state.lastFilters[i] == '1';
        item->setCheckState(active ? Qt::Checked : Qt::Unchecked);
        m_checkStates[i] = active ? 1 : 0;
    }
    m_filling = false;
    ShowFilterCounts();
}

void GamesPage::ShowFilterCounts() {
    const int active =
        browse::CountActiveFilters(m_session.state.lastFilters, m_session.filters.size());
    m_filtersCount->setText(tr("Filters: %1").arg(m_session.filters.size()));
    m_selectedCount->setText(tr("Selected: %1").arg(active));
    m_unselectAll->setEnabled(active > 0);
}

void GamesPage::FilterCheckChanged(QListWidgetItem* item) {
    if (m_filling || item == nullptr) {
        return;
    }
    const int i = m_filters->row(item);
    if (i < 0 || static_cast<std::size_t>(i) >= m_checkStates.size()) {
        return;
    }
    const int state = item->checkState() == Qt::Checked ? 1 : 0;
    if (m_checkStates[static_cast<std::size_t>(i)] == state) {
        return;
    }
    if (m_familyMode) {
        ShowFamilyButton(false);
    }
    m_checkStates[static_cast<std::size_t>(i)] = state;
    std::string& flags = m_session.state.lastFilters;
    flags = browse::NormalisedFilterFlags(flags, m_session.filters.size());
    flags[static_cast<std::size_t>(i)] = state != 0 ? '1' : '0';
    ShowFilterCounts();
    RefreshUnderBusy(RefreshMode::Filter);
}

void GamesPage::UncheckAllFilters(char flag) {
    m_filling = true;
    for (int i = 0; i < m_filters->count(); ++i) {
        m_filters->item(i)->setCheckState(Qt::Unchecked);
    }
    m_filling = false;
    std::fill(m_checkStates.begin(), m_checkStates.end(), 0);
    m_session.state.lastFilters.assign(m_session.filters.size(), flag);
    ShowFilterCounts();
}

void GamesPage::SwitchAndOr() {
    m_orMode = !m_orMode;
    m_session.state.lastSwitchAndOr = m_orMode ? "1" : "0";
    ShowAndOr();
    if (browse::CountActiveFilters(m_session.state.lastFilters, m_session.filters.size()) > 1) {
        RefreshUnderBusy(RefreshMode::AndOr);
    }
}

void GamesPage::ShowAndOr() {
    m_andOr->setText(m_orMode ? tr("Or...") : tr("And..."));
    m_andOr->setIcon(BrowseIcon(m_orMode ? BrowseArtwork::Or : BrowseArtwork::And));
}

void GamesPage::UnselectAll() {
    UncheckAllFilters('0');
    RefreshUnderBusy(RefreshMode::Filter);
    m_unselectAll->setEnabled(false);
    m_selectedCount->setText(tr("Selected: %1").arg(0));
}

void GamesPage::FilterSaved(int position, bool added) {
    RefillFilterList();
    const std::string& flags = m_session.state.lastFilters;
    if (!added && position >= 0 && static_cast<std::size_t>(position) < flags.size() &&
        flags[static_cast<std::size_t>(position)] == '1') {
        RefreshUnderBusy(RefreshMode::Filter);
    }
}

void GamesPage::FiltersDeleted() {
    RefillFilterList();
    RefreshUnderBusy(RefreshMode::Filter);
}

}  // namespace quorvex::ui
