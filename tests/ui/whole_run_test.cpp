// A whole first start through the real windows, with the emulator test double
// and a scripted user who answers whatever window comes to the front.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/catalogue_import.h"
#include "catalogue/command_runner.h"
#include "platform/paths.h"
#include "store/record_file.h"
#include "store/startup.h"
#include "test_support.h"
#include "ui/emulator_directory_dialog.h"
#include "ui/event_pump.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/startup_windows.h"
#include "ui/status_panes.h"
#include "ui/whats_new_dialog.h"

namespace quorvex::ui {
namespace {

using testing::TempDir;

constexpr const char* kCatalogue =
    "@version\tv0.37b16\n"
    "ghostrn\tGhost Run\t\tM6502\tDAC,Samples\t1980\tIrem Corp.\tghostrn.1\tjump.wav\n"
    "galaxyq\tGalaxy Quest\t\tM6809\tSN76496\t1983\tKonami\tgq_1.bin\n"
    "galaxyqj\tGalaxy Quest (Japan)\tgalaxyq\tM6809\tSN76496\t1983\tKonami\tgqj_1.bin\n";

TEST(WholeRun, FirstStartAsksImportsWelcomesAndSavesAtQuit) {
    TempDir dir;
    const std::string programDirectory = dir.File("program") + platform::kSeparator;
    const std::string emulatorDirectory = dir.File("emu") + platform::kSeparator;
    std::filesystem::create_directories(programDirectory);
    testing::WriteBytes(emulatorDirectory + "catalogue.txt", kCatalogue);
    std::filesystem::copy_file(QUORVEX_FAKE_EMULATOR,
                               emulatorDirectory + platform::EmulatorExecutableName());

    // What the user met on the way, and what the main window showed before Quit.
    std::vector<std::string> messages;
    QMessageBox::Icon lastIcon = QMessageBox::Warning;
    QStringList newGames;
    QStringList unnamedButtons;
    bool sawSplash = false;
    QString currentRightTab;
    QString countsPane;
    QString versionPane;
    bool quitting = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<EmulatorDirectoryDialog*>(modal)) {
            dialog->edit()->setText(QString::fromStdString(emulatorDirectory));
            dialog->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages.push_back(box->text().toStdString());
            lastIcon = box->icon();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
        } else if (auto* whatsNew = qobject_cast<WhatsNewDialog*>(modal)) {
            for (int row = 0; row < whatsNew->newGames()->count(); ++row) {
                newGames << whatsNew->newGames()->item(row)->text();
            }
            whatsNew->accept();
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (modal != nullptr || !window->isVisible()) {
                continue;
            }
            sawSplash |= qobject_cast<SplashWindow*>(window) != nullptr;
            auto* main = qobject_cast<MainWindow*>(window);
            if (main != nullptr && !quitting) {
                quitting = true;
                currentRightTab = main->rightTabs()->tabText(main->rightTabs()->currentIndex());
                countsPane = main->statusPanes()->PaneText(1);
                versionPane = main->statusPanes()->PaneText(2);
                for (QAbstractButton* button : main->findChildren<QAbstractButton*>()) {
                    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
                    if (reader == nullptr || reader->text(QAccessible::Name).isEmpty()) {
                        unnamedButtons << QString::fromLatin1(button->metaObject()->className()) +
                                              " " + button->objectName();
                    }
                }
                main->Quit();
            }
        }
    });
    user.start(10);
    EventLoopPump pump;
    StartupWindows windows;
    catalogue::EmulatorCatalogueImporter importer(&pump);
    catalogue::BatchFileRunner batches(&pump);
    store::StartupServices services{windows, importer, batches};
    ASSERT_TRUE(store::RunProgram(programDirectory, services));

    EXPECT_TRUE(sawSplash);
    ASSERT_GE(messages.size(), 5u);
    EXPECT_EQ(messages.back(),
              "Welcome!\nNew games have been found!\nIn order to be able to play these games, "
              "you have to perform\nthe phase of Roms Scanning!\nTo accomplish this select the "
              "appropriate directory where you\nhave put your roms zip files, and then press the "
              "button 'Begin Roms scanning'\nThis will take some minutes, but after this "
              "scanning you are able\nto identify in an inquivocabile way the Roms that exist "
              "and which are missing!\nIf you are a new user, please spend some minutes reading "
              "the section:\nINSTALLATION AND CONFIGURATION OF QVX FOR A QUICK START!");
    EXPECT_EQ(lastIcon, QMessageBox::NoIcon);
    EXPECT_EQ(newGames, QStringList({"Galaxy Quest", "Galaxy Quest (Japan)", "Ghost Run"}));

    EXPECT_EQ(currentRightTab, "Setup");
    EXPECT_EQ(countsPane,
              "Games: 0/3 [ Originals: 0/2 ] [ Clones: 0/1 (0 stand alone, 0 splitted, 0 "
              "merged) ]");
    // A screen reader can name every button, also those that show only a picture.
    EXPECT_TRUE(unnamedButtons.isEmpty()) << unnamedButtons.join(", ").toStdString();
    EXPECT_TRUE(versionPane.startsWith("Mame ") && versionPane.size() > 5);

    EXPECT_EQ(store::GetHeaderValue(programDirectory + "mamegame.qvx", "GAMES_COUNT"), "3");
    EXPECT_EQ(store::GetHeaderValue(programDirectory + "quorvex.qvx", "MAME_DIR"),
              emulatorDirectory);
}

}  // namespace
}  // namespace quorvex::ui
