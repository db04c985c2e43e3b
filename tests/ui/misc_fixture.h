#pragma once
// The playing fixture with the emulator's directories made, the Misc and Snaps
// pages installed as the program installs them, ways to file snapshots, and
// what the tests of the right-hand pages share.

#include <QGroupBox>
#include <QImage>

#include <filesystem>
#include <string>

#include "platform/pcx.h"
#include "play_fixture.h"
#include "ui/misc/misc_page.h"
#include "ui/misc/misc_pages.h"
#include "ui/misc/snapshots_page.h"

namespace quorvex::testing {

class MiscFixture : public PlayFixture {
public:
    MiscFixture() {
        std::filesystem::create_directories(session.emulator.directory);
        store::CreateEmulatorSubdirectories(session.emulator);
    }

    void OpenWithMiscPages() {
        OpenWithPlayPages();
        misc = ui::InstallMiscPages(*window, session, play.launcher, &feedback);
    }

    ui::MiscPage& miscPage() const { return *misc.misc; }
    ui::SnapshotsPage& snapsPage() const { return *misc.snapshots; }
    void ShowTab(int tab) const {
        window->rightTabs()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
    }

    // Makes the game current the way a person does: a click on its row.
    void ClickGame(const QString& description) const {
        const QModelIndex index = games().model().index(Rows().indexOf(description), 0);
        QTest::mouseClick(games().gamesList()->viewport(), Qt::LeftButton, {},
                          games().gamesList()->visualRect(index).center());
        QCoreApplication::processEvents();
    }

    // The games page sorts the database, so games are found by description.
    std::string FieldOf(const std::string& description, char code) const {
        return session.games.Field(*store::FindGameByDescription(session.games, description), code);
    }
    void SetField(const std::string& description, char code, const std::string& value) {
        session.games.SetField(*store::FindGameByDescription(session.games, description), code,
                               value);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : feedback.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    std::string CheatFile() const { return session.emulator.directory + "cheat.dat"; }

    // A small PCX snapshot of one colour.
    std::string FilePcx(const std::string& name, std::uint8_t red) const {
        platform::RgbaPicture picture;
        picture.width = 32;
        picture.height = 24;
        for (int i = 0; i < picture.width * picture.height; ++i) {
            picture.rgba.insert(picture.rgba.end(), {red, 40, 90, 255});
        }
        const std::string path = session.emulator.snapshot + name;
        platform::WritePcxFile(path, picture);
        return path;
    }
    // A PNG snapshot, as today's emulator writes them.
    std::string FilePng(const std::string& name) const {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(QColor(30, 200, 90));
        const std::string path = session.emulator.snapshot + name;
        image.save(QString::fromStdString(path), "PNG");
        return path;
    }

    static bool Shown(const QWidget* widget) { return !widget->isHidden(); }
    static QStringList ListTexts(const QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) {
            texts << list->item(row)->text();
        }
        return texts;
    }

    ui::MiscPages misc;
};

}  // namespace quorvex::testing
