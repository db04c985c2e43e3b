// The Snaps page: captions and buttons for no, one and several pictures,
// stepping round, deleting and the slideshow.

#include <gtest/gtest.h>

#include <QTimer>

#include "misc_fixture.h"
#include "platform/file_system.h"
#include "ui/misc/picture_view.h"

namespace quorvex::ui {
namespace {

class SnapsPage : public ::testing::Test, public testing::MiscFixture {
protected:
    QString Caption() const { return snapsPage().frame()->title(); }
    std::string ShownFile() const { return snapsPage().pictureView()->file(); }
    // Previous/Next, Delete and the slideshow button as a person sees them.
    std::vector<bool> Buttons() const {
        return {Shown(snapsPage().previousButton()) && Shown(snapsPage().nextButton()),
                Shown(snapsPage().deleteButton()), Shown(snapsPage().slideshowButton())};
    }
};

using Buttons_ = std::vector<bool>;
const QString kHint = " Just press 'F12' while playing mame-games! ";

TEST_F(SnapsPage, CaptionAndButtonsFollowThePicturesAndDeletingRenumbers) {
    session.state.lastSecondiSlide.clear();
    FilePcx("galaga000.pcx", 200);
    const std::string first = FilePcx("pacman000.pcx", 10);
    const std::string second = FilePng("pacman001.png");
    const std::string third = FilePcx("pacman002.pcx", 90);
    const std::string thirdBytes = testing::ReadBytes(third);
    FilePcx("pacman0003.pcx", 90);
    OpenWithMiscPages();
    // Opening the page gave the slideshow its delay.
    EXPECT_EQ(session.state.lastSecondiSlide, "1000");

    ShowTab(MainWindow::Snaps);
    EXPECT_EQ(Caption(), " Preview picture 1/3 ");
    EXPECT_EQ(Buttons(), (Buttons_{true, true, true}));
    EXPECT_EQ(ShownFile(), first);
    EXPECT_EQ(snapsPage().pictureView()->pictureSize(), QSize(32, 24));

    Click(snapsPage().previousButton());
    EXPECT_EQ(Caption(), " Preview picture 3/3 ");
    EXPECT_EQ(ShownFile(), third);
    Click(snapsPage().nextButton());
    Click(snapsPage().nextButton());
    EXPECT_EQ(Caption(), " Preview picture 2/3 ");
    EXPECT_EQ(ShownFile(), second);
    EXPECT_EQ(snapsPage().pictureView()->pictureSize(), QSize(40, 30));

    ClickGame("Galaga");
    EXPECT_EQ(Caption(), " Preview picture 1/1 ");
    EXPECT_EQ(Buttons(), (Buttons_{false, true, false}));
    EXPECT_TRUE(snapsPage().pictureView()->hasPicture());

    ClickGame("Donkey Kong");
    EXPECT_EQ(Caption(), kHint);
    EXPECT_EQ(Buttons(), (Buttons_{false, false, false}));
    // The no-snapshot picture stands in the picture area.
    EXPECT_TRUE(snapsPage().pictureView()->hasPicture());
    EXPECT_EQ(ShownFile(), "");

    // Deleting asks nothing; the later pictures move up a number.
    ClickGame("Pac-Man");
    Click(snapsPage().nextButton());
    Click(snapsPage().deleteButton());
    EXPECT_TRUE(feedback.questions.empty());
    EXPECT_EQ(Caption(), " Preview picture 1/2 ");
    EXPECT_EQ(testing::ReadBytes(session.emulator.snapshot + "pacman001.pcx"), thirdBytes);
    EXPECT_FALSE(platform::IsReadableFile(third));
    Click(snapsPage().deleteButton());
    EXPECT_EQ(Caption(), " Preview picture 1/1 ");
    Click(snapsPage().deleteButton());
    EXPECT_EQ(Caption(), kHint);
    EXPECT_EQ(Buttons(), (Buttons_{false, false, false}));
    EXPECT_EQ(platform::ListDirectory(session.emulator.snapshot).size(), 2u);
    EXPECT_TRUE(platform::IsReadableFile(session.emulator.snapshot + "galaga000.pcx"));
}

TEST_F(SnapsPage, TheSlideshowMovesOnByItselfUntilStopped) {
    session.state.lastSecondiSlide = "20";
    FilePcx("pacman000.pcx", 10);
    FilePcx("pacman001.pcx", 20);
    FilePcx("galaga000.pcx", 20);
    OpenWithMiscPages();
    ShowTab(MainWindow::Snaps);

    Click(snapsPage().slideshowButton());
    EXPECT_TRUE(snapsPage().slideshowRunning());
    EXPECT_EQ(snapsPage().slideshowTimer()->interval(), 20);
    EXPECT_EQ(Buttons(), (Buttons_{false, false, true}));
    EXPECT_TRUE(QTest::qWaitFor([this] { return snapsPage().shownIndex() == 1; }));
    EXPECT_EQ(Caption(), " Preview picture 2/2 ");

    // It goes on for the next game; a single picture stays on show.
    ClickGame("Galaga");
    EXPECT_TRUE(snapsPage().slideshowRunning());
    EXPECT_EQ(Buttons(), (Buttons_{false, false, true}));
    QTest::qWait(60);
    EXPECT_EQ(Caption(), " Preview picture 1/1 ");

    Click(snapsPage().slideshowButton());
    EXPECT_FALSE(snapsPage().slideshowRunning() || snapsPage().slideshowTimer()->isActive());
    EXPECT_EQ(Buttons(), (Buttons_{false, true, false}));
}

TEST(PictureView, TheExtensionChoosesTheDecoder) {
    testing::TempDir temp;
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(QString::fromStdString(temp.File("a.bmp")), "BMP");
    image.save(QString::fromStdString(temp.File("b.PNG")), "PNG");
    // A PNG under a name that promises a bitmap is not decoded as PNG.
    image.save(QString::fromStdString(temp.File("c.bmp")), "PNG");
    image.save(QString::fromStdString(temp.File("d.jpg")), "PNG");
    static const char kGif[] =
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
        ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
    testing::WriteBytes(temp.File("e.Gif"), std::string_view(kGif, sizeof kGif - 1));
    EXPECT_EQ(LoadPicture(temp.File("e.Gif")).size(), QSize(1, 1));
    EXPECT_EQ(LoadPicture(temp.File("a.bmp")).size(), QSize(8, 6));
    EXPECT_EQ(LoadPicture(temp.File("b.PNG")).size(), QSize(8, 6));
    for (const char* name : {"c.bmp", "d.jpg", "missing.pcx"}) {
        EXPECT_TRUE(LoadPicture(temp.File(name)).isNull()) << name;
    }
}

}  // namespace
}  // namespace quorvex::ui
