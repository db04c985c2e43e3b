#pragma once
// The browsing fixture with the default setting definitions and the pages of
// playing installed beside the games page.

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <string>

#include "browse_fixture.h"
#include "store/default_files.h"
#include "store/record_line.h"
#include "ui/busy_indicator.h"
#include "ui/play/create_settings_page.h"
#include "ui/play/play_pages.h"
#include "ui/play/settings_page.h"

namespace quorvex::testing {

class PlayFixture : public BrowseFixture {
public:
    PlayFixture() {
        store::CreateDefaultSettings(session.files.settings);
        session.settings = store::LoadSettingDefinitions(session.files.settings);
    }

    void OpenWithPlayPages() {
        Open();
        play = ui::InstallPlayPages(*window, session, feedback, pages.games);
    }

    // Setting value tokens behind the game's settings marker.
    void GiveSettings(const std::string& description, const std::string& tokens) {
        const int index = *store::FindGameByDescription(session.games, description);
        session.games.Line(index) += tokens;
    }
    std::string LineOf(const std::string& description) const {
        return session.games[*store::FindGameByDescription(session.games, description)].line;
    }
    std::string ValueOf(const std::string& description, const std::string& key) const {
        return store::GetRecordValue(LineOf(description), key);
    }

    ui::SettingsPage& settings() const { return *play.settings; }
    ui::CreateSettingsPage& createSettings() const { return *play.createSettings; }

    void ShowSettingsTab() const { window->rightTabs()->setCurrentIndex(ui::MainWindow::Settings); }

    // Rows of the games list added to the selection, the way Ctrl and a click add them.
    void AddRowsToSelection(std::initializer_list<int> rows) const {
        for (const int row : rows) {
            games().gamesList()->selectionModel()->select(
                games().model().index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    std::vector<int> SelectedGameRows() const {
        std::vector<int> rows;
        for (const QModelIndex& index : games().gamesList()->selectionModel()->selectedRows()) {
            rows.push_back(index.row());
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void ClickItem(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    static QStringList Items(const QComboBox& box) {
        QStringList items;
        for (int index = 0; index < box.count(); ++index) {
            items << box.itemText(index);
        }
        return items;
    }

    ui::PlayPages play;
};

}  // namespace quorvex::testing
