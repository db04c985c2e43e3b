#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "platform/paths.h"
#include "test_support.h"
#include "ui/chime.h"
#include "ui/emulator_directory_dialog.h"
#include "ui/splash_window.h"
#include "ui/text_codec.h"
#include "ui/whats_new_dialog.h"
#include "ui_test_support.h"

namespace quorvex::ui {
namespace {

using testing::RecordingFeedback;
using testing::TempDir;

QStringList Rows(const QListWidget& list) {
    QStringList rows;
    for (int row = 0; row < list.count(); ++row) {
        rows << list.item(row)->text();
    }
    return rows;
}

std::string TypeAndPressOk(EmulatorDirectoryDialog& dialog, const std::string& typed) {
    dialog.show();
    dialog.edit()->setText(ToQString(typed));
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    return dialog.directory();
}

TEST(EmulatorDirectoryDialog, AcceptsTheDirectoryTypedLooselyAndStaysOpenWithoutTheEmulator) {
    TempDir dir;
    const std::string path = dir.File("emu") + platform::kSeparator;
    testing::WriteBytes(path + platform::EmulatorExecutableName(), "#!/bin/sh\n");
    std::filesystem::permissions(path + platform::EmulatorExecutableName(),
                                 std::filesystem::perms::owner_all);
    RecordingFeedback feedback;
    EmulatorDirectoryDialog dialog(feedback);
    EXPECT_EQ(dialog.windowTitle(), "Quorvex 1.2");
    EXPECT_EQ(dialog.findChildren<QLabel*>().first()->text(),
              "Please enter the name of the directory where mame is located");
    EXPECT_EQ(dialog.edit()->toolTip(),
              "Enter here the full path of the directory where the file 'MAME.EXE' is located!");
    const std::pair<const char*, const char*> tips[] = {
        {"browseButton", "Picks the Mame directory"},
        {"okButton", "Enter Quorvex!"},
        {"cancelButton", "Quits Quorvex!"}};
    for (const auto& [button, tip] : tips) {
        EXPECT_EQ(dialog.findChild<QPushButton*>(button)->toolTip(), tip);
    }

    EXPECT_EQ(TypeAndPressOk(dialog, dir.path()), "");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(feedback.messages.size(), 1u);
#ifdef _WIN32
    EXPECT_EQ(feedback.messages[0].text,
              "The file 'mame.exe' is not located in the specified directory");
#else
    EXPECT_EQ(feedback.messages[0].text,
              "The file 'mame' is not located in the specified directory");
#endif
    EXPECT_EQ(feedback.messages[0].icon, store::MessageIcon::Exclamation);
    // The user mends the text, loosely typed, and tries again in the same dialog.
    EXPECT_EQ(TypeAndPressOk(dialog, "  " + dir.File("emu") + "  "), path);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(feedback.messages.size(), 1u);
}

TEST(WhatsNewDialog, ListsBothKindsSortedWithTheirCounters) {
    store::CatalogueChanges changes;
    for (const char* description : {"Zaxxon", "galaga", "Asteroids", "Frogger"}) {
        changes.inserted.push_back({std::string("+:A:x:+ +:B:") + description + ":+ \xA7", "", ""});
    }
    changes.removed.push_back({"+:A:old:+ +:B:Pok\xE9mon:+ \xA7", "", ""});

    WhatsNewDialog dialog(changes);
    EXPECT_EQ(dialog.windowTitle(), "What's new?");
    EXPECT_EQ(Rows(*dialog.newGames()), QStringList({"Asteroids", "Frogger", "galaga", "Zaxxon"}));
    EXPECT_EQ(Rows(*dialog.goneGames()), QStringList({QString::fromUtf8("Pok\u00e9mon")}));
    EXPECT_EQ(dialog.newCounter()->text(), "New games: 4 !");
    EXPECT_EQ(dialog.goneCounter()->text(), "No longer supported: 1 !");
    EXPECT_EQ(dialog.newCounter()->palette().color(QPalette::WindowText), QColor(39, 94, 36));
    EXPECT_EQ(dialog.goneCounter()->palette().color(QPalette::WindowText), QColor(200, 0, 55));
    EXPECT_EQ(dialog.newGames()->toolTip(), "YES! YES! YES!");
    EXPECT_EQ(dialog.goneGames()->toolTip(), "NO! NO! NO!");
    EXPECT_EQ(dialog.newCounter()->toolTip(), "Number of new games!");
    EXPECT_EQ(dialog.goneCounter()->toolTip(), "Number of deleted games!");

    changes.removed.clear();
    WhatsNewDialog noneRemoved(changes);
    EXPECT_EQ(noneRemoved.goneGames()->count(), 0);
    EXPECT_EQ(noneRemoved.goneCounter()->text(), "No longer supported: 0 !");
}

TEST(SplashWindow, IsABorderless348By330WindowWithAStatusLine) {
    SplashWindow splash;
    EXPECT_EQ(splash.size(), QSize(348, 330));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.status(), "----");
    splash.Open();
    EXPECT_TRUE(splash.isVisible());
    splash.SetStatus("Loading games ...");
    EXPECT_EQ(splash.status(), "Loading games ...");
}

TEST(TextCodec, ReadsUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(ToQString("Pok\xC3\xA9mon"), QString::fromUtf8("Pok\u00e9mon"));
    EXPECT_EQ(ToQString("Pok\xE9mon"), QString::fromUtf8("Pok\u00e9mon"));
    EXPECT_EQ(ToQString("\x93Quoted\x94 \x80"), QString::fromUtf8("\u201cQuoted\u201d \u20ac"));
    EXPECT_EQ(ToQString("a\xA7"
                        "b"),
              QString::fromUtf8("a\u00a7b"));
    EXPECT_EQ(ToBytes(QString::fromUtf8("Pok\u00e9mon")), "Pok\xC3\xA9mon");
}

TEST(Chime, IsAWellFormedPcmWave) {
    const QByteArray wave = ChimeWave();
    ASSERT_GT(wave.size(), 44);
    const auto le32 = [&wave](int at) {
        return static_cast<quint32>(static_cast<unsigned char>(wave[at])) |
               static_cast<quint32>(static_cast<unsigned char>(wave[at + 1])) << 8 |
               static_cast<quint32>(static_cast<unsigned char>(wave[at + 2])) << 16 |
               static_cast<quint32>(static_cast<unsigned char>(wave[at + 3])) << 24;
    };
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(le32(4), static_cast<quint32>(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(le32(40), static_cast<quint32>(wave.size() - 44));
    EXPECT_EQ(le32(28), le32(24) * 2);  // byte rate of 16-bit mono
    bool sounds = false;
    for (int at = 44; at < wave.size(); ++at) {
        sounds |= wave[at] != 0;
    }
    EXPECT_TRUE(sounds);
}

}  // namespace
}  // namespace quorvex::ui
