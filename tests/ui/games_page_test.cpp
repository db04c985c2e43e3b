#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <vector>

#include "browse_fixture.h"
#include "ui/busy_indicator.h"
#include "ui/empty_page.h"
#include "ui/event_pump.h"
#include "ui/game_commands.h"

namespace quorvex::ui {
namespace {

using testing::BrowseFixture;

const QStringList kAllByRawName = {"Donkey Kong", "Galaga",       "Ms. Pac-Man",
                                   "Pac-Man",     "Pac-Man Plus", "Street Fighter II",
                                   "Ghost Run"};

void Check(const BrowseFixture& f, int filter, bool checked) {
    f.Find<QListWidget>("filterCheckList")
        ->item(filter)
        ->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QPoint RowCentre(const BrowseFixture& f, int row) {
    return f.games().gamesList()->visualRect(f.games().model().index(row, 0)).center();
}

void ClickRow(const BrowseFixture& f, const QString& description,
              Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(f.games().gamesList()->viewport(), Qt::LeftButton, modifiers,
                      RowCentre(f, f.Rows().indexOf(description)));
}

int SelectedRow(const BrowseFixture& f) {
    const QModelIndexList rows = f.games().gamesList()->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : -1;
}

EmptyPage* InfoPage(const BrowseFixture& f) {
    return qobject_cast<EmptyPage*>(f.window->rightTabs()->widget(MainWindow::Info));
}

// Types into the substring box and leaves it, which applies the substring.
void TypeSubstring(const BrowseFixture& f, const QString& text) {
    QApplication::setActiveWindow(f.window.get());
    auto* box = f.Find<QLineEdit>("substringBox");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    f.games().gamesList()->setFocus();
}

TEST(GamesPage, OpensSortedWithTheRememberedGameSelectedAndAnotherSortingReorders) {
    BrowseFixture f;
    f.Open();
    EXPECT_EQ(f.Rows(), kAllByRawName);
    EXPECT_EQ(f.Header(), "7 are listed");
    EXPECT_EQ(f.Text("filtersCount"), "Filters: 3");
    EXPECT_EQ(f.Text("selectedCount"), "Selected: 0");
    EXPECT_EQ(f.Text("sortingsCount"), "Sortings: 2");
    EXPECT_EQ(f.Find<QComboBox>("sortingsBox")->currentText(), "Descriptions");
    EXPECT_EQ(f.Find<QPushButton>("andOrSwitch")->text(), "And...");
    EXPECT_FALSE(f.Enabled("unselectAll"));
    EXPECT_EQ(SelectedRow(f), 3);
    ASSERT_NE(InfoPage(f), nullptr);
    EXPECT_EQ(InfoPage(f)->shownGame(), "Pac-Man");
    EXPECT_TRUE(f.Enabled("playButton") && f.Enabled("randomPlayButton"));

    f.Find<QComboBox>("sortingsBox")->setCurrentIndex(1);
    EXPECT_EQ(f.session.state.lastSortOrder, "1");
    EXPECT_EQ(f.Rows(), QStringList({"Donkey Kong", "Galaga", "Ghost Run", "Ms. Pac-Man", "Pac-Man",
                                     "Pac-Man Plus", "Street Fighter II"}));
    // The current game is still selected.
    EXPECT_EQ(f.Rows().at(SelectedRow(f)), "Pac-Man");
}

TEST(GamesPage, RestoresTheRememberedStateAndPadsShortFilterFlags) {
    BrowseFixture f;
    f.session.state.lastFilters = "1 1";
    f.session.state.lastSortOrder = "1";
    f.session.state.lastSwitchAndOr = "1";
    f.session.state.lastReplayStatus = "1";
    f.session.state.lastGameSelection = "No longer there";
    f.session.filters.push_back({"4", "Capcom games", "X$Contains(capcom)"});
    f.Open();

    EXPECT_EQ(f.FilterChecks(), "1010");
    EXPECT_EQ(f.session.state.lastFilters, "1 1 ");
    EXPECT_EQ(f.Text("selectedCount"), "Selected: 2");
    EXPECT_TRUE(f.Enabled("unselectAll"));
    EXPECT_EQ(f.Find<QPushButton>("andOrSwitch")->text(), "Or...");
    EXPECT_EQ(f.Find<QComboBox>("sortingsBox")->currentText(), "Raw Names");
    EXPECT_TRUE(f.Find<QCheckBox>("getReplay")->isChecked());
    EXPECT_FALSE(f.Find<QCheckBox>("useUnivbe")->isChecked());
    // "Without roms" or "without samples", ordered by description.
    EXPECT_EQ(f.Rows(), QStringList({"Donkey Kong", "Galaga", "Ms. Pac-Man", "Pac-Man",
                                     "Pac-Man Plus", "Street Fighter II"}));
    // The game that is gone gives way to the first row, which becomes current.
    EXPECT_EQ(SelectedRow(f), 0);
    EXPECT_EQ(f.session.state.lastGameSelection, "Donkey Kong");
}

TEST(GamesPage, CheckingFiltersSwitchingAndOrAndUnselectAllRebuildTheList) {
    BrowseFixture f;
    f.Open();
    int rebuilds = 0;
    QObject::connect(&f.games().model(), &QAbstractItemModel::modelReset,
                     [&rebuilds]() { ++rebuilds; });

    Check(f, 1, true);  // with roms
    EXPECT_EQ(f.Rows(), QStringList({"Ms. Pac-Man", "Pac-Man", "Street Fighter II", "Ghost Run"}));
    EXPECT_EQ(f.session.state.lastFilters, " 1 ");
    EXPECT_EQ(f.Text("selectedCount"), "Selected: 1");
    EXPECT_TRUE(f.Enabled("unselectAll"));
    EXPECT_EQ(InfoPage(f)->shownGame(), "Pac-Man");

    // With one active filter the switch changes its text but not the list.
    const int before = rebuilds;
    f.Press("andOrSwitch");
    EXPECT_EQ(f.Find<QPushButton>("andOrSwitch")->text(), "Or...");
    EXPECT_EQ(f.session.state.lastSwitchAndOr, "1");
    EXPECT_EQ(rebuilds, before);
    f.Press("andOrSwitch");
    EXPECT_EQ(f.session.state.lastSwitchAndOr, "0");

    Check(f, 2, true);  // without samples
    EXPECT_EQ(f.Rows(), QStringList({"Ms. Pac-Man", "Pac-Man", "Street Fighter II"}));
    EXPECT_EQ(f.Header(), "3 are listed");
    EXPECT_EQ(f.session.state.lastFilters, " 11");
    f.Press("andOrSwitch");
    EXPECT_EQ(f.Rows(), kAllByRawName);

    // The busy indication ran around the user's rebuilds and is off again.
    EXPECT_FALSE(f.window->busy().IsOn());
    EXPECT_TRUE(f.window->busy().IsRestoring());
    EXPECT_TRUE(f.window->isEnabled());

    f.Press("unselectAll");
    EXPECT_EQ(f.session.state.lastFilters, "000");
    EXPECT_EQ(f.FilterChecks(), "000");
    EXPECT_EQ(f.Text("selectedCount"), "Selected: 0");
    EXPECT_FALSE(f.Enabled("unselectAll"));
    EXPECT_EQ(f.Rows(), kAllByRawName);

    // Random play needs a listed game with roms.
    Check(f, 0, true);
    EXPECT_EQ(f.Rows(), QStringList({"Donkey Kong", "Galaga", "Pac-Man Plus"}));
    EXPECT_FALSE(f.Enabled("randomPlayButton"));
}

TEST(GamesPage, TheSubstringIsAppliedWhenTheBoxLosesTheFocus) {
    BrowseFixture f;
    f.Open();
    int launches = 0;
    f.games().SetLaunchGame([&launches]() { ++launches; });

    TypeSubstring(f, "zzz");
    EXPECT_EQ(f.Rows(), QStringList({"No games found!"}));
    EXPECT_EQ(f.Header(), "0 are listed");
    EXPECT_EQ(SelectedRow(f), 0);
    EXPECT_FALSE(f.Enabled("playButton") || f.Enabled("randomPlayButton"));
    EXPECT_FALSE(f.window->rightTabs()->isEnabled());
    // The remembered game is not listed, so a double click cannot start it.
    QTest::mouseDClick(f.games().gamesList()->viewport(), Qt::LeftButton, {}, RowCentre(f, 0));
    EXPECT_EQ(launches, 0);
    EXPECT_EQ(f.session.state.lastGameSelection, "Pac-Man");
    TypeSubstring(f, "");
    EXPECT_EQ(f.Rows(), kAllByRawName);
    EXPECT_TRUE(f.window->rightTabs()->isEnabled());

    TypeSubstring(f, "  pac ");
    EXPECT_EQ(f.Rows(), QStringList({"Ms. Pac-Man", "Pac-Man", "Pac-Man Plus"}));
    EXPECT_EQ(f.session.state.lastFilterSubstring, "  pac ");
}

TEST(GamesPage, FamilyShowsTheOriginalAndItsClonesAndGoesBack) {
    BrowseFixture f;
    f.session.state.lastFilters = "0 1";
    f.Open();
    TypeSubstring(f, "a");
    ClickRow(f, "Ms. Pac-Man");
    EXPECT_EQ(f.session.state.lastGameSelection, "Ms. Pac-Man");

    f.Press("familyButton");
    EXPECT_TRUE(f.games().familyMode());
    EXPECT_EQ(f.Rows(), QStringList({"Pac-Man", "Ms. Pac-Man", "Pac-Man Plus"}));
    EXPECT_EQ(f.Header(), "3 are listed");
    EXPECT_EQ(f.Rows().at(SelectedRow(f)), "Ms. Pac-Man");
    EXPECT_EQ(f.session.state.lastFilters, "000");
    EXPECT_EQ(f.FilterChecks(), "000");
    EXPECT_EQ(f.Text("selectedCount"), "Selected: 0");
    EXPECT_TRUE(f.Find<QLineEdit>("substringBox")->text().isEmpty());
    EXPECT_TRUE(f.session.state.lastFilterSubstring.empty());
    EXPECT_FALSE(f.Enabled("randomPlayButton"));

    f.Press("familyButton");
    EXPECT_FALSE(f.games().familyMode());
    EXPECT_EQ(f.Rows(), kAllByRawName);

    // A filter check leaves the family.
    f.Press("familyButton");
    ASSERT_TRUE(f.games().familyMode());
    Check(f, 0, true);
    EXPECT_FALSE(f.games().familyMode());
    EXPECT_EQ(f.Rows(), QStringList({"Donkey Kong", "Galaga", "Pac-Man Plus"}));
}

TEST(GamesPage, PlayEnterDoubleClickAndRandomPlayLaunchPlayableGames) {
    BrowseFixture f;
    f.Open();
    // Nothing plays until the launch is set.
    f.Press("playButton");
    EXPECT_TRUE(f.feedback.messages.empty());

    std::vector<std::string> launched;
    f.games().SetLaunchGame([&]() {
        launched.push_back(f.session.state.lastGameSelection);
        // As the launch does while the emulator runs.
        f.window->setEnabled(false);
        f.window->setEnabled(true);
    });
    // Enter on the focus the window has right after the start.
    QWidget* focus = f.window->focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Return);
    EXPECT_EQ(launched, (std::vector<std::string>{"Pac-Man"}));
    // On a real desktop the left tab bar has the focus; Enter there plays and keeps it.
    QWidget* tabBar = f.window->leftTabs()->tabBar();
    tabBar->setFocus();
    QTest::keyClick(tabBar, Qt::Key_Return);
    EXPECT_EQ(launched.size(), 2u);
    EXPECT_EQ(f.window->focusWidget(), tabBar);

    // After Play the focus is on the list: the arrows and Enter work at once.
    f.Press("playButton");
    ASSERT_EQ(f.window->focusWidget(), f.games().gamesList());
    QTest::keyClick(f.window->focusWidget(), Qt::Key_Up);
    QTest::keyClick(f.window->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(launched, (std::vector<std::string>{"Pac-Man", "Pac-Man", "Pac-Man", "Ms. Pac-Man"}));

    // Enter in the substring box plays; the substring waits until the box is left.
    auto* box = f.Find<QLineEdit>("substringBox");
    box->setFocus();
    QTest::keyClicks(box, "galaga");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(launched.back(), "Ms. Pac-Man");
    EXPECT_EQ(launched.size(), 5u);
    EXPECT_EQ(f.Rows(), kAllByRawName);
    EXPECT_EQ(f.window->focusWidget(), box);
    f.games().gamesList()->setFocus();
    EXPECT_EQ(f.Rows(), QStringList({"Galaga"}));
    TypeSubstring(f, "");

    // An edit box of another page keeps its Enter.
    auto* edit = new QLineEdit(InfoPage(f));
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(launched.size(), 5u);
    launched.clear();

    // A game without a ROM zip is not started by a double click.
    QTest::mouseDClick(f.games().gamesList()->viewport(), Qt::LeftButton, {},
                       RowCentre(f, f.Rows().indexOf("Galaga")));
    EXPECT_TRUE(launched.empty());

    // Keys held back while a batch ran are dropped, not replayed.
    QCoreApplication::postEvent(f.games().gamesList(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    DiscardPendingInput();
    QCoreApplication::processEvents();
    EXPECT_TRUE(launched.empty());

    // Random play launches the game it picked and selects it.
    f.Press("randomPlayButton");
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(f.Rows().at(SelectedRow(f)), QString::fromStdString(launched.back()));
}

// The entries as read: "-" for a separator, "(off) " before one that cannot be chosen.
QStringList MenuTexts(BrowseFixture& f, QMenu& menu) {
    f.games().FillGameMenu(menu);
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-")
                  : action->isEnabled() ? action->text()
                                        : "(off) " + action->text());
    }
    return texts;
}

TEST(GamesPage, TheCurrentGameDecidesPlayAndTheContextMenuWhichGoesThroughTheMainWindow) {
    BrowseFixture f;
    f.Open();
    std::vector<GameCommand> sent;
    QObject::connect(f.window.get(), &MainWindow::GameCommandRequested,
                     [&sent](GameCommand command) { sent.push_back(command); });
    int launches = 0;
    f.games().SetLaunchGame([&launches]() { ++launches; });

    // Nothing carries out the link commands yet, so they cannot be chosen.
    QMenu first;
    EXPECT_EQ(MenuTexts(f, first)[2], "(off) Release Roms link");
    first.actions().at(0)->trigger();
    EXPECT_EQ(sent, std::vector<GameCommand>{GameCommand::Play});
    EXPECT_EQ(launches, 1);

    testing::WriteBytes(f.session.emulator.hi + "vghost.hi", "scores");
    for (const GameCommand command :
         {GameCommand::ReleaseRomsLink, GameCommand::ReleaseSamplesLink,
          GameCommand::SelectRomsFile, GameCommand::SelectSamplesFile, GameCommand::ResetHighScores,
          GameCommand::ResetDipSwitches}) {
        f.games().SetCommandAvailable(command, true);
    }
    ClickRow(f, "Ghost Run");
    QMenu linked;
    EXPECT_EQ(
        MenuTexts(f, linked),
        QStringList({"Play 'Ghost Run' !", "-", "Release Roms link", "Release Samples link", "-",
                     "Change Roms file ...", "Change Samples file ...", "-",
                     "(off) Try to create Stand Alone zip files for all his family!",
                     "(off) Try to create Splitted zip files for all his family!",
                     "(off) Try to create one big Merged file for all his family!", "-",
                     "Reset High Score table", "(off) Reset Dip-Switch Settings", "-", "Cancel"}));
    linked.actions().at(2)->trigger();
    EXPECT_EQ(sent.back(), GameCommand::ReleaseRomsLink);
    EXPECT_EQ(launches, 1);
    // Cancel is passed on to nobody.
    linked.actions().last()->trigger();
    EXPECT_EQ(sent.size(), 2u);

    ClickRow(f, "Galaga");
    EXPECT_EQ(f.session.state.lastGameSelection, "Galaga");
    EXPECT_EQ(InfoPage(f)->shownGame(), "Galaga");
    EXPECT_FALSE(f.Enabled("playButton"));
    EXPECT_TRUE(f.Enabled("randomPlayButton"));
    QMenu noSamples;
    EXPECT_EQ(MenuTexts(f, noSamples)[6], "(off) Select Samples file....");

    // Several rows may be selected; the one clicked last is current.
    ClickRow(f, "Street Fighter II", Qt::ControlModifier);
    EXPECT_EQ(f.session.state.lastGameSelection, "Street Fighter II");
    EXPECT_TRUE(f.Enabled("playButton"));
    EXPECT_EQ(f.games().SelectedDescriptions(),
              (std::vector<std::string>{"Galaga", "Street Fighter II"}));
}

TEST(GamesPage, UseUnivbeAsksForTheProgramAndGetReplayIsRemembered) {
    BrowseFixture f;
    f.Open();
    const std::string univbe = f.dir.File("univbe.exe");
    testing::WriteBytes(univbe, "MZ");
    int asked = 0;
    std::optional<std::string> answer;
    f.games().SetUnivbeChooser([&]() {
        ++asked;
        return answer;
    });
    auto* box = f.Find<QCheckBox>("useUnivbe");

    f.Press("useUnivbe");
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(f.session.state.lastUnivbeStatus.empty());

    answer = univbe;
    f.Press("useUnivbe");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(f.session.state.lastUnivbeStatus, "1");
    EXPECT_EQ(f.session.state.lastUnivbeDir, univbe);
    f.Press("useUnivbe");
    EXPECT_TRUE(f.session.state.lastUnivbeStatus.empty());
    // A known univbe.exe is not asked for again.
    f.Press("useUnivbe");
    EXPECT_EQ(asked, 2);

    // "Change ..." always asks; cancelling unchecks the box, LAST_UNIVBE_STATUS stays.
    answer.reset();
    f.Press("changeUnivbe");
    EXPECT_EQ(asked, 3);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(f.session.state.lastUnivbeStatus, "1");
    EXPECT_TRUE(f.session.state.lastUnivbeDir.empty());

    f.Press("getReplay");
    EXPECT_EQ(f.session.state.lastReplayStatus, "1");
    f.Press("getReplay");
    EXPECT_EQ(f.session.state.lastReplayStatus, "");
}

}  // namespace
}  // namespace quorvex::ui
