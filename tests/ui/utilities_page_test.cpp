// The Utilities page: the slideshow delay, the converter's command line, the
// Move/Copy toggle with the optimisations, and the tools run from its buttons.

#include "ui/utilities/utilities_page.h"

#include <gtest/gtest.h>

#include <QSlider>

#include "misc_fixture.h"
#include "platform/file_system.h"
#include "store/state_file.h"
#include "ui/utilities/utilities_pages.h"

namespace quorvex::ui {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

const char* const kWarning =
    "This is only a warning!\nRemember that the program you use for converting snapshots from "
    "PNG format to PCX\nMUST RESIDE in your QVX DIRECTORY or you won't be able to get any "
    "snapshot!\nIn addition, be sure that the program you are using accepts wildcards "
    "(*.*)\nand BE SURE to include them in the command line!";

class UtilitiesPageTest : public ::testing::Test, public testing::MiscFixture {
protected:
    // As start-up leaves the state: the converter's default filled in.
    UtilitiesPageTest() { session.state = store::LoadState(session.files.state); }
    void OpenOnUtilities() {
        Open();
        page = InstallUtilitiesPage(*window, session, feedback, pages.games);
        window->rightTabs()->setCurrentIndex(MainWindow::Utils);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    UtilitiesPage* page = nullptr;
};

TEST_F(UtilitiesPageTest, SliderShowsTheStoredDelayAndKeepsWhereTheUserLeftIt) {
    session.state.lastSecondiSlide = "not a number";
    OpenOnUtilities();
    QSlider& slider = *page->delaySlider();
    EXPECT_EQ(session.state.lastSecondiSlide, "1000");
    EXPECT_EQ(slider.value(), 1);
    EXPECT_EQ(slider.minimum(), 1);
    EXPECT_EQ(slider.maximum(), 10);
    EXPECT_EQ(Text("fastestLabel"), "Fastest");
    EXPECT_EQ(Text("slowestLabel"), "Slowest");
    EXPECT_EQ(slider.toolTip(),
              "Changes the delay between one snapshots and his next one! (1 <-> 10 sec.)");

    // Dragging stores only where the handle is let go.
    slider.setSliderDown(true);
    slider.setSliderPosition(6);
    EXPECT_EQ(session.state.lastSecondiSlide, "1000");
    slider.setSliderDown(false);
    EXPECT_EQ(session.state.lastSecondiSlide, "6000");
    // The keyboard moves it without a drag.
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(session.state.lastSecondiSlide, "7000");
}

TEST_F(UtilitiesPageTest, AStoredDelayIsShownInWholeSecondsAndNotRewritten) {
    session.state.lastSecondiSlide = "3500";
    OpenOnUtilities();
    EXPECT_EQ(page->delaySlider()->value(), 3);
    EXPECT_EQ(session.state.lastSecondiSlide, "3500");
}

TEST_F(UtilitiesPageTest, ConverterBoxKeepsTheEditedCommandLineAndWarnsOnLeaving) {
    OpenOnUtilities();
    ConverterCommandBox& box = *page->converterBox();
    EXPECT_EQ(box.text(), "nconvert -s14 -C2 *.*");
    EXPECT_EQ(box.toolTip(),
              "This is the command line used for converting the snapshots from PCX to PNG!");
    EXPECT_EQ(page->defaultButton()->toolTip(), "Defaul value is 'nconvert -s14 -C2 *.*' !");
    EXPECT_FALSE(box.hasFocus());

    QTest::mouseClick(&box, Qt::LeftButton);
    ASSERT_TRUE(box.hasFocus());
    box.selectAll();
    QTest::keyClicks(&box, "  convert -format png *.*  ");
    QTest::keyClick(&box, Qt::Key_Tab);
    EXPECT_EQ(session.state.lastConvCommandLine, "convert -format png *.*");
    EXPECT_EQ(box.text(), "convert -format png *.*");
    EXPECT_EQ(Messages(), std::vector<std::string>{kWarning});
    EXPECT_EQ(feedback.messages[0].icon, store::MessageIcon::Exclamation);

    // Nothing but blanks brings the stored command line back, with the warning all the same;
    // the click that left the box was on Default.
    QTest::mouseClick(&box, Qt::LeftButton);
    box.selectAll();
    QTest::keyClicks(&box, "   ");
    QTest::mouseClick(page->defaultButton(), Qt::LeftButton);
    EXPECT_EQ(Messages(), std::vector<std::string>(2, kWarning));
    EXPECT_EQ(box.text(), "nconvert -s14 -C2 *.*");
    EXPECT_EQ(session.state.lastConvCommandLine, "nconvert -s14 -C2 *.*");

    // Leaving for another window is no end of the editing: no warning.
    QTest::mouseClick(&box, Qt::LeftButton);
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&box, &away);
    EXPECT_EQ(feedback.messages.size(), 2U);
}

TEST_F(UtilitiesPageTest, OptimisationCopiesOrMovesAsTheToggleSays) {
    const std::string elsewhere = dir.File("elsewhere/");
    WriteBytes(elsewhere + "pm.zip", "pacman set");
    WriteBytes(elsewhere + "sf.zip", "sf2 set");
    SetField("Pac-Man", 'C', elsewhere + "pm.zip");
    OpenOnUtilities();
    QPushButton& toggle = *page->modeButton();
    EXPECT_EQ(toggle.text(), "Move");
    EXPECT_EQ(toggle.toolTip(),
              "During the optimizations, the files that not resides in \\mame\\roms / "
              "\\mame\\samples dir will be moved or simply copied in there?");
    EXPECT_EQ(page->optimiseRomsButton()->toolTip(), "Optimizes the ...\\mame\\roms directory!");
    EXPECT_EQ(page->optimiseSamplesButton()->toolTip(),
              "Optimizes the ...\\mame\\samples directory!");

    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_EQ(toggle.text(), "Copy");
    QTest::mouseClick(page->optimiseRomsButton(), Qt::LeftButton);
    EXPECT_EQ(FieldOf("Pac-Man", 'C'), session.emulator.roms + "pacman.zip");
    EXPECT_EQ(ReadBytes(session.emulator.roms + "pacman.zip"), "pacman set");
    EXPECT_EQ(ReadBytes(elsewhere + "pm.zip"), "pacman set");
    EXPECT_TRUE(window->isEnabled());

    SetField("Street Fighter II", 'C', elsewhere + "sf.zip");
    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_EQ(toggle.text(), "Move");
    QTest::mouseClick(page->optimiseRomsButton(), Qt::LeftButton);
    EXPECT_EQ(FieldOf("Street Fighter II", 'C'), session.emulator.roms + "sf2.zip");
    EXPECT_EQ(ReadBytes(session.emulator.roms + "sf2.zip"), "sf2 set");
    EXPECT_FALSE(platform::IsReadableFile(elsewhere + "sf.zip"));
}

TEST_F(UtilitiesPageTest, ToolsReportMissingFilesAndRefuseToMergeTheOwnCheatFile) {
    OpenOnUtilities();
    EXPECT_EQ(page->importButton()->toolTip(), "Imports old Quorvex times and rating values!");
    EXPECT_EQ(page->convertButton()->toolTip(),
              "Transforms the old Quorvex snapshots in the new name format!");
    EXPECT_EQ(page->versionsButton()->toolTip(),
              "Plugs in the info (if available) about the mame version for each games!");
    EXPECT_EQ(page->cheatsButton()->toolTip(), "Merges your cheat file with another one!");

    QTest::mouseClick(page->importButton(), Qt::LeftButton);
    QTest::mouseClick(page->versionsButton(), Qt::LeftButton);
    WriteBytes(CheatFile(), "pacman:0:4E0E:03:000:Lives\r\n");
    page->SetCheatFileChooser([this](QWidget*) {
        return QString::fromStdString(session.emulator.directory + "Cheat.DAT");
    });
    QTest::mouseClick(page->cheatsButton(), Qt::LeftButton);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "The file 'mame.ini' is not located in the Quorvex Directory!\nJust "
                              "copy it from your old Orvane directory!",
                              "The file 'Ferrick.qvx' is not located in the Quorvex "
                              "Directory!\nYou need this file to import the history of the games "
                              "version!",
                              "I can't import the data from the same file!"}));
    EXPECT_TRUE(window->isEnabled());

    // With the file in place the tool runs.
    WriteBytes(dir.File("Ferrick.qvx"), "pacman 0.29\r\n");
    QTest::mouseClick(page->versionsButton(), Qt::LeftButton);
    EXPECT_EQ(FieldOf("Pac-Man", 'U'), "0.29");
}

}  // namespace
}  // namespace quorvex::ui
