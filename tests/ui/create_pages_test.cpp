#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "browse_fixture.h"
#include "play_fixture.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "ui/browse/create_filters_page.h"
#include "ui/browse/create_sortings_page.h"
#include "ui/sets/set_pages.h"

namespace quorvex::ui {
namespace {

using testing::BrowseFixture;

void ShowTab(BrowseFixture& f, int tab) {
    f.window->show();
    QApplication::setActiveWindow(f.window.get());
    f.window->leftTabs()->setCurrentIndex(tab);
    QCoreApplication::processEvents();
}

void ClickItem(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> items = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    list.scrollToItem(items.first());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(items.first()).center());
}

QString Selected(const QListWidget& list) {
    const QList<QListWidgetItem*> items = list.selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

QStringList Items(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.item(i)->text();
    }
    return texts;
}

void Type(QLineEdit& box, const QString& text) {
    box.setFocus();
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, text);
}

std::string LastMessage(const BrowseFixture& f) {
    return f.feedback.messages.empty() ? std::string() : f.feedback.messages.back().text;
}

std::vector<std::string> Lines(const std::string& path) {
    return store::SplitRecordLines(testing::ReadBytes(path));
}

// A definition line's code, name and condition: "4|Capcom games|X$Contains(capcom)".
std::string Definition(const std::string& line, const char* nameKey) {
    return store::GetRecordValue(line, "CODE") + "|" + store::GetRecordValue(line, nameKey) + "|" +
           store::GetRecordValue(line, "CONDITION");
}

TEST(CreateFiltersPage, OpensOnTheFirstAndANewFilterNeedsNameFieldAndOperatorAndStartsInactive) {
    BrowseFixture f;
    f.session.state.lastFilters = "1";
    f.Open();
    ShowTab(f, 1);
    CreateFiltersPage& page = *f.pages.filters;
    EXPECT_EQ(Items(*page.filtersList()),
              QStringList({"Games without roms", "Games with roms", "Games without samples"}));
    EXPECT_EQ(page.nameBox()->text(), "\"Games without roms\" means...");
    EXPECT_EQ(Selected(*page.fieldsList()), "Roms zip file");
    EXPECT_EQ(Selected(*page.operatorsList()), "is empty!");
    EXPECT_EQ(page.operatorsList()->count(), 8);
    EXPECT_EQ(page.testResult()->text(), "Press test!");
    EXPECT_TRUE(f.Enabled("newFilter") && f.Enabled("modifyFilter") && f.Enabled("deleteFilter"));
    EXPECT_FALSE(f.Enabled("saveFilter") || f.Enabled("cancelFilter"));

    f.Press("newFilter");
    EXPECT_EQ(page.mode(), CreateFiltersPage::Mode::New);
    EXPECT_EQ(page.nameBox()->text(), "Type here the name of the new filter!");
    EXPECT_EQ(page.nameBox()->selectedText(), page.nameBox()->text());
    EXPECT_TRUE(Selected(*page.fieldsList()).isEmpty());
    EXPECT_TRUE(Selected(*page.operatorsList()).isEmpty());
    EXPECT_FALSE(page.filtersList()->isEnabled());
    EXPECT_FALSE(f.Enabled("newFilter") || f.Enabled("modifyFilter") || f.Enabled("deleteFilter"));
    EXPECT_TRUE(f.Enabled("saveFilter") && f.Enabled("cancelFilter"));

    Type(*page.nameBox(), "   ");
    f.Press("saveFilter");
    EXPECT_EQ(LastMessage(f), "Please type a name for this filter!");
    Type(*page.nameBox(), "Capcom games");
    f.Press("saveFilter");
    EXPECT_EQ(LastMessage(f), "Please select a MAME field!");
    ClickItem(*page.fieldsList(), "Manufacturer");
    f.Press("saveFilter");
    EXPECT_EQ(LastMessage(f), "Please select an operator!");
    EXPECT_EQ(f.feedback.messages.back().icon, store::MessageIcon::Exclamation);
    EXPECT_EQ(page.mode(), CreateFiltersPage::Mode::New);
    EXPECT_EQ(page.nameBox()->text(), "Capcom games");

    ClickItem(*page.operatorsList(), "Contains...");
    Type(*page.valueBox(), " capcom ");
    f.Press("saveFilter");
    EXPECT_EQ(f.feedback.messages.size(), 3u);
    const std::vector<std::string> lines = Lines(f.session.files.filters);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(store::GetRecordValue(lines[0], "FILTERS_COUNT"), "4");
    EXPECT_EQ(Definition(lines[4], "FILTER_NAME"), "4|Capcom games|X$Contains(capcom)");

    EXPECT_EQ(page.mode(), CreateFiltersPage::Mode::Browse);
    EXPECT_EQ(Selected(*page.filtersList()), "Capcom games");
    EXPECT_EQ(page.nameBox()->text(), "\"Capcom games\" means...");
    EXPECT_EQ(Selected(*page.operatorsList()), "Contains...");
    EXPECT_EQ(page.valueBox()->text(), "capcom");
    // The games page knows the new filter; it starts inactive and the first stays on.
    EXPECT_EQ(f.Text("filtersCount"), "Filters: 4");
    EXPECT_EQ(f.Find<QListWidget>("filterCheckList")->item(3)->text(), "Capcom games");
    EXPECT_EQ(f.FilterChecks(), "1000");
}

TEST(CreateFiltersPage, ModifyingAnActiveFilterRefreshesTheListAndDeletingMakesAllInactive) {
    BrowseFixture f;
    f.session.state.lastFilters = "010";
    f.Open();
    ShowTab(f, 1);
    CreateFiltersPage& page = *f.pages.filters;
    EXPECT_EQ(f.Rows().size(), 4);

    ClickItem(*page.filtersList(), "Games with roms");
    EXPECT_EQ(Selected(*page.operatorsList()), "is not empty!");
    f.Press("modifyFilter");
    EXPECT_EQ(page.nameBox()->text(), "Games with roms");
    Type(*page.nameBox(), "Namco games");
    ClickItem(*page.fieldsList(), "Manufacturer");
    ClickItem(*page.operatorsList(), "Equals to...");
    Type(*page.valueBox(), "NAMCO");
    f.Press("saveFilter");

    const std::vector<std::string> lines = Lines(f.session.files.filters);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Definition(lines[2], "FILTER_NAME"), "2|Namco games|X==NAMCO");
    EXPECT_EQ(f.session.filters[1].name, "Namco games");
    EXPECT_EQ(f.Find<QListWidget>("filterCheckList")->item(1)->text(), "Namco games");
    EXPECT_EQ(f.Rows(), QStringList({"Galaga", "Pac-Man", "Pac-Man Plus"}));

    // Cancel writes nothing and shows the stored definition again.
    f.Press("modifyFilter");
    Type(*page.nameBox(), "Something else");
    f.Press("cancelFilter");
    EXPECT_EQ(page.nameBox()->text(), "\"Namco games\" means...");
    const std::string before = testing::ReadBytes(f.session.files.filters);
    EXPECT_EQ(store::SplitRecordLines(before), lines);

    f.Find<QListWidget>("filterCheckList")->item(2)->setCheckState(Qt::Checked);
    f.feedback.answer = false;
    f.Press("deleteFilter");
    EXPECT_EQ(f.feedback.questions, std::vector<std::string>{"Are you sure?"});
    EXPECT_EQ(testing::ReadBytes(f.session.files.filters), before);

    f.feedback.answer = true;
    f.Press("deleteFilter");
    EXPECT_EQ(Lines(f.session.files.filters).size(), 3u);
    EXPECT_EQ(Items(*page.filtersList()),
              QStringList({"Games without roms", "Games without samples"}));
    EXPECT_EQ(Selected(*page.filtersList()), "Games without roms");
    EXPECT_EQ(f.session.state.lastFilters, "  ");
    EXPECT_EQ(f.Text("filtersCount"), "Filters: 2");
    EXPECT_EQ(f.Text("selectedCount"), "Selected: 0");
    EXPECT_EQ(f.Rows().size(), 7);
    EXPECT_TRUE(f.Enabled("deleteFilter"));

    f.Press("deleteFilter");
    EXPECT_EQ(Items(*page.filtersList()), QStringList({"Games without samples"}));
    // The last filter stays.
    EXPECT_FALSE(f.Enabled("deleteFilter"));
}

TEST(CreateFiltersPage, TestCountsTheGamesTheEditedConditionMatches) {
    BrowseFixture f;
    f.session.state.lastFilters = "010";
    f.Open();
    ShowTab(f, 1);
    CreateFiltersPage& page = *f.pages.filters;

    QString progressText;
    bool windowEnabled = true;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&]() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* text = widget->findChild<QLabel*>("progressText");
            if (widget->isVisible() && text != nullptr && !text->text().isEmpty()) {
                progressText = text->text();
                windowEnabled = f.window->isEnabled();
            }
        }
    });
    watch.start(0);
    // The active filters of the games page play no part: only the editor's condition counts.
    f.Press("testFilter");
    EXPECT_EQ(page.testResult()->text(), "3");
    watch.stop();
    EXPECT_EQ(progressText, "Counting occorrences...");
    EXPECT_FALSE(windowEnabled);
    EXPECT_TRUE(f.window->isEnabled());

    f.Press("newFilter");
    EXPECT_EQ(page.testResult()->text(), "Press test!");
    f.Press("testFilter");
    EXPECT_EQ(LastMessage(f), "Not all fields have a valid data!");
    EXPECT_EQ(page.mode(), CreateFiltersPage::Mode::New);
}

TEST(CreateSortingsPage, ANewSortingIsOfferedOnTheGamesPageAndDeletingResortsByTheFirst) {
    BrowseFixture f;
    f.session.state.lastSortOrder = "1";
    f.Open();
    const QStringList rows = f.Rows();
    ShowTab(f, 2);
    CreateSortingsPage& page = *f.pages.sortings;
    EXPECT_EQ(Items(*page.sortingsList()), QStringList({"Descriptions", "Raw Names"}));
    EXPECT_EQ(page.nameBox()->text(), "\"Descriptions\" means an order by ...");
    EXPECT_EQ(Selected(*page.fieldsList()), "Raw name");
    // A condition of a field code alone shows the Descending picture.
    EXPECT_FALSE(page.ascendingShown());
    EXPECT_EQ(page.directionButton()->text(), "Descending");
    EXPECT_TRUE(f.Enabled("newSorting") && f.Enabled("deleteSorting"));
    EXPECT_FALSE(f.Enabled("saveSorting") || f.Enabled("cancelSorting"));

    f.Press("newSorting");
    EXPECT_EQ(page.nameBox()->text(), "Type here the name of the new sorting!");
    EXPECT_TRUE(Selected(*page.fieldsList()).isEmpty());
    EXPECT_FALSE(page.sortingsList()->isEnabled());
    EXPECT_FALSE(f.Enabled("newSorting") || f.Enabled("deleteSorting"));
    Type(*page.nameBox(), "");
    f.Press("saveSorting");
    EXPECT_EQ(LastMessage(f), "Please type a name for this new sorting!");
    // A failed Save ends New as well: back to browsing, the typed name still shown.
    EXPECT_EQ(page.mode(), CreateSortingsPage::Mode::Browse);
    EXPECT_TRUE(page.sortingsList()->isEnabled());
    EXPECT_TRUE(f.Enabled("newSorting") && f.Enabled("deleteSorting"));
    EXPECT_FALSE(f.Enabled("saveSorting") || f.Enabled("cancelSorting"));
    f.Press("newSorting");
    Type(*page.nameBox(), "By year");
    f.Press("saveSorting");
    EXPECT_EQ(LastMessage(f), "Please select a MAME field!");
    EXPECT_EQ(page.nameBox()->text(), "By year");
    EXPECT_EQ(Lines(f.session.files.sortings).size(), 3u);

    f.Press("newSorting");
    Type(*page.nameBox(), "By year");
    ClickItem(*page.fieldsList(), "Year");
    QTest::mouseClick(page.directionButton(), Qt::LeftButton);
    EXPECT_TRUE(page.ascendingShown());
    f.Press("saveSorting");
    const std::vector<std::string> lines = Lines(f.session.files.sortings);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Definition(lines[3], "SORTING_NAME"), "3|By year|JA");
    EXPECT_EQ(page.mode(), CreateSortingsPage::Mode::Browse);
    EXPECT_EQ(Selected(*page.sortingsList()), "By year");
    EXPECT_EQ(page.nameBox()->text(), "\"By year\" means an order by ...");

    // The games page's box is refilled and selects its first entry; no re-sort.
    auto* box = f.Find<QComboBox>("sortingsBox");
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(2), "By year");
    EXPECT_EQ(f.Text("sortingsCount"), "Sortings: 3");
    EXPECT_EQ(box->currentText(), "Descriptions");
    EXPECT_EQ(f.session.state.lastSortOrder, "0");
    EXPECT_EQ(f.Rows(), rows);

    // Deleting re-sorts the games list by the first sorting.
    box->setCurrentIndex(1);
    EXPECT_EQ(f.Rows().at(2), "Ghost Run");
    ClickItem(*page.sortingsList(), "Raw Names");
    EXPECT_EQ(Selected(*page.fieldsList()), "Description");
    f.feedback.answer = false;
    f.Press("deleteSorting");
    EXPECT_EQ(page.sortingsList()->count(), 3);
    f.feedback.answer = true;
    f.Press("deleteSorting");
    EXPECT_EQ(f.feedback.questions.size(), 2u);
    EXPECT_EQ(Lines(f.session.files.sortings).size(), 3u);
    EXPECT_EQ(Items(*page.sortingsList()), QStringList({"Descriptions", "By year"}));
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(f.session.state.lastSortOrder, "0");
    // Ordered by raw name again: Ghost Run (vghost) comes last.
    EXPECT_EQ(f.Rows().last(), "Ghost Run");
    // The last sorting stays.
    ClickItem(*page.sortingsList(), "By year");
    f.Press("deleteSorting");
    EXPECT_EQ(Items(*page.sortingsList()), QStringList({"Descriptions"}));
    EXPECT_FALSE(f.Enabled("deleteSorting"));
}

// Opened past the screen's edges the window is made smaller or moved back; at its minimum
// size every page gets the room its controls need and the filter texts show whole.
TEST(WindowSize, TheWindowOpensOnTheScreenAndEveryPageFitsAtTheMinimumSize) {
    testing::PlayFixture f;
    f.session.state.lastWindowPosition = "500.400";
    f.OpenWithPlayPages();
    InstallSetPages(*f.window, f.games(), f.session, f.feedback);
    f.window->Open();
    QCoreApplication::processEvents();
    const QRect area = f.window->screen()->availableGeometry();
    const QRect frame = f.window->frameGeometry();
    EXPECT_TRUE(area.contains(frame.topLeft()));
    if (f.window->minimumSize().width() <= area.width()) {
        EXPECT_LE(frame.right(), area.right());
    }
    if (f.window->minimumSize().height() <= area.height()) {
        EXPECT_LE(frame.bottom(), area.bottom());
    }

    f.window->resize(1, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.window->size(), f.window->minimumSize());
    for (QTabWidget* tabs : {f.window->leftTabs(), f.window->rightTabs()}) {
        for (int index = 0; index < tabs->count(); ++index) {
            tabs->setCurrentIndex(index);
            QCoreApplication::processEvents();
            const QWidget* page = tabs->widget(index);
            const QSize needed = page->minimumSizeHint();
            EXPECT_GE(page->width(), needed.width()) << tabs->tabText(index).toStdString();
            EXPECT_GE(page->height(), needed.height()) << tabs->tabText(index).toStdString();
        }
    }

    ShowTab(f, 1);
    const CreateFiltersPage& filters = *f.pages.filters;
    for (const QListWidget* list : {filters.fieldsList(), filters.operatorsList()}) {
        for (int row = 0; row < list->count(); ++row) {
            const QString text = list->item(row)->text();
            EXPECT_LE(list->fontMetrics().horizontalAdvance(text), list->viewport()->width())
                << text.toStdString();
        }
    }
    const QLabel& result = *filters.testResult();
    EXPECT_EQ(result.text(), "Press test!");
    EXPECT_LE(result.fontMetrics().horizontalAdvance(result.text()), result.contentsRect().width());
}

}  // namespace
}  // namespace quorvex::ui
