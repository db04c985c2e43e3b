// The Setup page and the menu's set commands over the emulator test double and real zips.

#include "ui/sets/setup_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <map>
#include <string>
#include <vector>

#include "../catalogue/fake_emulator_setup.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "scripted_feedback.h"
#include "sets/file_lists.h"
#include "sets/scan_run.h"
#include "store/program_paths.h"
#include "store/record_line.h"
#include "test_support.h"
#include "ui/browse/browse_pages.h"
#include "ui/browse/games_list_model.h"
#include "ui/browse/games_page.h"
#include "ui/busy_indicator.h"
#include "ui/game_commands.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/sets/set_commands.h"
#include "ui/sets/set_pages.h"
#include "ui/status_panes.h"
#include "ui/text_codec.h"
#include "zip_builder.h"

namespace quorvex::ui {
namespace {

using testing::ReadBytes;

// An original with two clones (only the first needs a file of its own) and a lone game.
constexpr const char* kCatalogue =
    "@delay\t0\n"
    "orig\tOriginal Game\t\tZ80\tAY8910\t1981\tMaker\ta.rom,b.rom\n"
    "clone1\tClone One\torig\tZ80\tAY8910\t1981\tMaker\ta.rom,c.rom\n"
    "clone2\tClone Two\torig\tZ80\tAY8910\t1982\tMaker\tb.rom\n"
    "lonely\tLonely Game\t\tZ80\tAY8910\t1982\tMaker\tl.rom\n";

class SetupPageTest : public ::testing::Test {
protected:
    SetupPageTest() {
        session.files = store::MakeProgramFiles(Directory("program"));
        session.emulator = store::MakeEmulatorPaths(Directory("mame"));
        platform::MakeDirectory(session.files.directory);
        platform::MakeDirectory(session.emulator.directory);
        platform::MakeDirectory(source);
        store::CreateEmulatorSubdirectories(session.emulator);
        testing::InstallFakeEmulator(session.emulator.directory, kCatalogue);
        session.state.lastGameSelection = "Original Game";
    }

    // The four games, with more tokens for some (by raw name), and the window.
    void OpenWindow(const std::map<std::string, std::string>& extra = {}) {
        const std::vector<std::string> lines = {
            "+:A:orig:+ +:B:Original Game:+", "+:A:clone1:+ +:B:Clone One:+ +:F:orig:+",
            "+:A:clone2:+ +:B:Clone Two:+ +:F:orig:+", "+:A:lonely:+ +:B:Lonely Game:+"};
        std::vector<store::GameRecord> records;
        for (std::string line : lines) {
            const auto tokens = extra.find(store::GetRecordValue(line, "A"));
            line += (tokens == extra.end() ? "" : " " + tokens->second) + " \xA7";
            records.push_back({line, "", store::GetRecordValue(line, "B")});
        }
        session.games = store::GameDatabase(records);
        window = std::make_unique<MainWindow>(session, feedback);
        gamesPage = InstallBrowsePages(*window, session, feedback).games;
        const SetPages pages = InstallSetPages(*window, *gamesPage, session, feedback);
        page = pages.setup;
        commands = pages.commands;
        commands->SetLogOpener([this](const std::string& path) {
            openedLogs.push_back(path);
            return viewerWorks;
        });
        window->rightTabs()->setCurrentIndex(MainWindow::Setup);
        window->resize(1000, 680);
        window->show();
        QCoreApplication::processEvents();
    }

    std::string Directory(const std::string& name) const {
        return dir.path() + name + platform::kSeparator;
    }
    static void Zip(const std::string& path, const std::vector<std::string>& names) {
        std::vector<testing::ZipEntry> entries;
        for (const std::string& name : names) {
            entries.push_back({name, "content of " + name});
        }
        testing::WriteZip(path, entries);
    }
    std::string Field(const std::string& description, char code) const {
        const auto game = store::FindGameByDescription(session.games, description);
        return game ? session.games.Field(*game, code) : "<no game>";
    }
    QString Counts() const { return window->statusPanes()->PaneText(1); }
    QPushButton* PlayButton() const { return gamesPage->findChild<QPushButton*>("playButton"); }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void TypeSourceDirectory(const std::string& text) {
        page->sourceBox()->clear();
        QTest::keyClicks(page->sourceBox(), ToQString(text));
    }
    void ClickRow(const std::string& description) {
        QTreeView* list = gamesPage->gamesList();
        const int row = gamesPage->model().RowOf(description);
        ASSERT_GE(row, 0) << description;
        const QRect cell = list->visualRect(gamesPage->model().index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    // Chooses the context-menu entry of a command for the current game as a person would.
    void ChooseFromMenu(GameCommand command) {
        QMenu menu;
        gamesPage->FillGameMenu(menu);
        const std::span<const GameMenuEntry> entries = GameMenuEntries();
        std::size_t entry = 0;
        for (QAction* action : menu.actions()) {
            if (action->isSeparator()) {
                continue;
            }
            if (entry < entries.size() && entries[entry].command == command) {
                ASSERT_TRUE(action->isEnabled()) << action->text().toStdString();
                action->trigger();
                return;
            }
            ++entry;
        }
        FAIL() << "the menu has no entry for the command";
    }

    testing::TempDir dir;
    const std::string source = Directory("zips");
    store::Session session;
    testing::ScriptedFeedback feedback{false};  // No once the script is used up
    std::unique_ptr<MainWindow> window;
    GamesPage* gamesPage = nullptr;
    SetupPage* page = nullptr;
    SetCommands* commands = nullptr;
    std::vector<std::string> openedLogs;
    bool viewerWorks = true;
};

TEST_F(SetupPageTest, ShowsItsControlsSwitchesBetweenRomsAndSamplesAndSelectsAllGames) {
    session.state.lastSamplesDirZipSelection = "/remembered/samples/";
    OpenWindow();

    EXPECT_EQ(window->rightTabs()->widget(MainWindow::Setup), page);
    EXPECT_EQ(page->themeButton()->text(), "Roms");
    EXPECT_EQ(page->themeButton()->toolTip(), "Switch between the roms and the samples scanning!");
    EXPECT_EQ(page->scanButton()->text(), "Click here to begin the scanning's process");
    EXPECT_EQ(page->scanButton()->toolTip(), "Starts the scanning!");
    EXPECT_EQ(page->browseButton()->toolTip(), "Picks the source zip files directory!");
    EXPECT_EQ(page->mergedButton()->toolTip(),
              "Creates a big merged files that contains all the roms needed by the original "
              "games and by his clones!");
    ASSERT_EQ(page->assumptionList()->count(), 3);
    EXPECT_EQ(page->assumptionList()->itemText(0), "Splitted");
    EXPECT_EQ(page->assumptionList()->itemText(1), "Merged");
    EXPECT_EQ(page->assumptionList()->itemText(2), "Stand Alone");
    EXPECT_EQ(page->assumptionList()->currentIndex(), 0);
    // Nothing remembered yet: the emulator's own roms directory.
    EXPECT_EQ(ToBytes(page->sourceBox()->text()), session.emulator.roms);

    page->veryFastBox()->setChecked(true);
    TypeSourceDirectory(source);
    Click(page->themeButton());
    EXPECT_EQ(page->themeButton()->text(), "Samples ");
    EXPECT_FALSE(page->veryFastBox()->isEnabled());
    EXPECT_FALSE(page->veryFastBox()->isChecked());
    EXPECT_FALSE(page->assumptionList()->isEnabled());
    EXPECT_EQ(page->sourceBox()->text(), "/remembered/samples/");
    EXPECT_EQ(session.state.lastDirZipSelection, source);

    // Browse puts the chosen directory, with its separator, in the box and remembers it.
    page->SetDirectoryChooser([this](QWidget*, const QString& start) {
        EXPECT_EQ(start, "/remembered/samples/");
        return ToQString(dir.path() + "chosen");
    });
    Click(page->browseButton());
    EXPECT_EQ(ToBytes(page->sourceBox()->text()), Directory("chosen"));
    EXPECT_EQ(session.state.lastSamplesDirZipSelection, Directory("chosen"));

    Click(page->themeButton());
    EXPECT_EQ(page->themeButton()->text(), "Roms");
    EXPECT_TRUE(page->veryFastBox()->isEnabled());
    EXPECT_TRUE(page->assumptionList()->isEnabled());
    EXPECT_EQ(ToBytes(page->sourceBox()->text()), source);

    // A folder dropped from the file manager replaces the text.
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(ToQString(dir.path() + "dropped")),
                     QUrl::fromLocalFile(QStringLiteral("/second"))});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    // Offscreen no drag is in progress to route the drop, so the box gets it directly.
    static_cast<QObject*>(page->sourceBox())->event(&drop);
    EXPECT_EQ(ToBytes(page->sourceBox()->text()), dir.path() + "dropped");

    Click(page->selectAllButton());
    EXPECT_EQ(gamesPage->SelectedDescriptions(),
              (std::vector<std::string>{"Original Game", "Clone One", "Clone Two", "Lonely Game"}));
}

TEST_F(SetupPageTest, ScanLinksTheZipsShowsTheLogAndCountsTheLinks) {
    Zip(source + "orig.zip", {"a.rom", "b.rom"});
    Zip(source + "clone1.zip", {"c.rom"});
    OpenWindow();
    EXPECT_FALSE(PlayButton()->isEnabled());

    TypeSourceDirectory(source);
    Click(page->scanButton());

    EXPECT_EQ(
        Counts(),
        "Games: 3/1 [ Originals: 1/1 ] [ Clones: 2/0 (0 stand alone, 1 splitted, 1 merged) ]");
    EXPECT_EQ(Field("Clone Two", 'C'), source + "orig.zip");
    EXPECT_EQ(Field("Clone Two", 'W'), "Total");

    // The zips lie outside the emulator's directory: gathering them there is offered (No).
    EXPECT_EQ(feedback.questions,
              std::vector<std::string>{sets::OptimiseQuestion(sets::NeededFileKind::Roms)});
    ASSERT_EQ(openedLogs, std::vector<std::string>{session.files.romScanLog});
    EXPECT_NE(ReadBytes(session.files.romScanLog).find("BAD \tLonely Game --> File not found!\r\n"),
              std::string::npos);
    EXPECT_NE(ReadBytes(session.files.gameDatabase).find(source + "clone1.zip"), std::string::npos);

    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->busy().IsOn());
    EXPECT_EQ(gamesPage->SelectedDescriptions(), std::vector<std::string>{"Original Game"});
    EXPECT_TRUE(PlayButton()->isEnabled());
}

TEST_F(SetupPageTest, CancelInTheProgressWindowPutsEveryLinkBack) {
    Zip(source + "orig.zip", {"a.rom", "b.rom"});
    Zip(source + "clone1.zip", {"a.rom", "c.rom"});
    Zip(source + "lonely.zip", {"l.rom"});
    OpenWindow({{"orig", "+:C:" + source + "orig.zip:+"},
                {"clone1", "+:C:" + source + "gone.zip:+ +:W:Partial:+"}});
    const std::vector<store::GameRecord> before = session.games.records();
    const QString counts = Counts();
    TypeSourceDirectory(source);
    page->rescanAllBox()->setChecked(true);

    // The user presses Cancel as soon as the scanning itself can be cancelled.
    QStringList progressTexts;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&]() {
        for (auto* progress : window->findChildren<ProgressDialog*>()) {
            progressTexts << progress->text()->text();
            if (progress->isVisible() && progress->cancelButton()->isEnabled()) {
                Click(progress->cancelButton());
            }
        }
    });
    user.start(0);
    feedback.answers = {true};
    Click(page->scanButton());
    user.stop();

    EXPECT_EQ(feedback.questions,
              std::vector<std::string>{"Do you really want to stop the process?"});
    EXPECT_EQ(feedback.messages, std::vector<std::string>{"Scansion cancelled!"});
    ASSERT_EQ(session.games.count(), static_cast<int>(before.size()));
    for (int i = 0; i < session.games.count(); ++i) {
        EXPECT_EQ(session.games[i].line, before[static_cast<std::size_t>(i)].line);
    }
    EXPECT_EQ(Counts(), counts);
    EXPECT_TRUE(openedLogs.empty());
    EXPECT_FALSE(platform::IsReadableFile(session.files.gameDatabase));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->findChildren<ProgressDialog*>().isEmpty());
    EXPECT_TRUE(progressTexts.contains("Scanning 'Original Game' ...."));
}

TEST_F(SetupPageTest, MergedTransformationOfTheSelectedFamily) {
    Zip(source + "orig.zip", {"a.rom", "b.rom"});
    Zip(source + "clone1.zip", {"a.rom", "c.rom"});
    Zip(source + "clone2.zip", {"b.rom"});
    // A transformation a crash cut short is told about when the window opens.
    testing::WriteBytes(session.emulator.directory + "TMPQVX/QVXjournal.txt",
                        "Family of 'Original Game' to 'SPLITTED' format:\n");
    OpenWindow({{"orig", "+:C:" + source + "orig.zip:+"},
                {"clone1", "+:C:" + source + "clone1.zip:+"},
                {"clone2", "+:C:" + source + "clone2.zip:+ +:W:Partial:+"}});
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_NE(feedback.messages[0].find("Family of 'Original Game' to 'SPLITTED' format:"),
              std::string::npos);

    ClickRow("Clone One");
    // No viewer on this desktop: the user is told where the log is.
    viewerWorks = false;
    Click(page->mergedButton());

    const std::string merged = session.emulator.roms + "orig.zip";
    EXPECT_EQ(Field("Clone Two", 'C'), merged);
    EXPECT_EQ(Field("Clone Two", 'W'), "Total");

    ASSERT_EQ(openedLogs, std::vector<std::string>{session.files.transformLog});
    ASSERT_FALSE(feedback.messages.empty());
    EXPECT_EQ(feedback.messages.back(),
              "The log could not be opened with the desktop's viewer.\nYou find it in:\n" +
                  session.files.transformLog);
    EXPECT_EQ(
        Counts(),
        "Games: 3/1 [ Originals: 1/1 ] [ Clones: 2/0 (0 stand alone, 0 splitted, 2 merged) ]");
    EXPECT_NE(ReadBytes(session.files.gameDatabase).find(merged), std::string::npos);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(gamesPage->SelectedDescriptions(), std::vector<std::string>{"Clone One"});
}

TEST_F(SetupPageTest, ReleasingAnOriginalsLinkWarnsAboutItsClonesAndAFileChosenByHandIsChecked) {
    const std::string zip = source + "orig.zip";
    Zip(zip, {"a.rom", "b.rom"});
    OpenWindow({{"orig", "+:C:" + zip + ":+"},
                {"clone1", "+:C:" + zip + ":+ +:W:Total:+"},
                {"clone2", "+:C:" + source + "clone2.zip:+ +:W:Partial:+"},
                {"lonely", "+:C:" + source + "lonely.zip:+"}});
    ASSERT_TRUE(PlayButton()->isEnabled());

    // The warning's wording and which clones lose their link: Links in tests/sets/links_test.cpp.
    feedback.answers = {true};
    ChooseFromMenu(GameCommand::ReleaseRomsLink);
    ASSERT_EQ(feedback.questions.size(), 1u);
    EXPECT_NE(feedback.questions[0].find("will lose their roms link:\nClone One (Merged)\nClone "
                                         "Two (Splitted)\n"),
              std::string::npos);
    EXPECT_EQ(Field("Original Game", 'C'), "");
    EXPECT_EQ(
        Counts(),
        "Games: 1/3 [ Originals: 1/1 ] [ Clones: 0/2 (0 stand alone, 0 splitted, 0 merged) ]");
    EXPECT_FALSE(PlayButton()->isEnabled());

    commands->SetZipChooser([&](sets::NeededFileKind theme) {
        EXPECT_EQ(theme, sets::NeededFileKind::Roms);
        return zip;
    });
    ChooseFromMenu(GameCommand::SelectRomsFile);
    EXPECT_EQ(feedback.messages,
              std::vector<std::string>{
                  "Operation accomplished successfully!\nThe roms set found is valid!\n"});
    EXPECT_EQ(Field("Original Game", 'C'), zip);
    EXPECT_EQ(
        Counts(),
        "Games: 2/2 [ Originals: 2/0 ] [ Clones: 0/2 (0 stand alone, 0 splitted, 0 merged) ]");
    EXPECT_TRUE(PlayButton()->isEnabled());
    EXPECT_TRUE(window->isEnabled());
}

}  // namespace
}  // namespace quorvex::ui
