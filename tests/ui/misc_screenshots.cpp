// Renders the Misc and Snaps pages to PNG pictures for the documentation:
//   misc_screenshots <directory>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>

#include <cstdio>

#include "misc_fixture.h"

namespace {

bool Save(QWidget& widget, const QString& directory, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = QDir(directory).filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A made-up screen of a maze game, as the emulator would have saved it.
quorvex::platform::RgbaPicture MazeScreen() {
    QImage image(224, 288, QImage::Format_RGBA8888);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(33, 33, 222), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(6, 30, 212, 232), 6, 6);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.drawRoundedRect(QRectF(26 + column * 64, 52 + row * 52, 44, 26), 4, 4);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 184, 151));
    for (int x = 16; x < 212; x += 8) {
        painter.drawEllipse(QPointF(x, 42), 1.5, 1.5);
        painter.drawEllipse(QPointF(x, 250), 1.5, 1.5);
    }
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPie(QRectF(96, 238, 24, 24), 35 * 16, 290 * 16);
    const QColor ghosts[] = {QColor(255, 0, 0), QColor(255, 184, 255), QColor(0, 255, 255)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(ghosts[i]);
        painter.drawChord(QRectF(70 + i * 30, 134, 22, 22), 0, 180 * 16);
        painter.drawRect(QRectF(70 + i * 30, 144, 22, 10));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(77 + i * 30, 142), 3, 3);
        painter.drawEllipse(QPointF(85 + i * 30, 142), 3, 3);
    }
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 4, 224, 20), Qt::AlignCenter, QStringLiteral("1UP   HIGH SCORE"));
    painter.drawText(QRectF(0, 266, 224, 20), Qt::AlignCenter, QStringLiteral("  2450      10000"));
    painter.end();
    quorvex::platform::RgbaPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.rgba.assign(image.constBits(), image.constBits() + image.sizeInBytes());
    return picture;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: misc_screenshots <directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);

    using quorvex::testing::MiscFixture;
    using quorvex::ui::MainWindow;
    MiscFixture f;
    quorvex::testing::WriteBytes(f.CheatFile(),
                                 "pacman:0:4E14:06:0:Infinite Lives\r\n"
                                 "pacman:0:4E0E:F4:0:Always Level 1\r\n"
                                 "pacman:0:4C00:FF:1:Speed: Fast\r\n"
                                 "pacman:0:4E70:01:0:Invincible Ghosts\r\n"
                                 "galaga:1:9820:05:0:Lives\r\n");
    for (const char* name : {"pacman000.inp", "pacman001.inp", "pacman002.inp"}) {
        quorvex::testing::WriteBytes(f.session.emulator.replay + name, "QVXINP pacman\n");
    }
    quorvex::platform::WritePcxFile(f.session.emulator.snapshot + "pacman000.pcx", MazeScreen());
    f.FilePng("pacman001.png");
    f.OpenWithMiscPages();
    f.window->show();

    f.ShowTab(MainWindow::Misc);
    MiscFixture::ClickItem(f.miscPage().cheatList(), 1);
    MiscFixture::Click(f.miscPage().modifyButton());
    bool ok = Save(f.miscPage(), directory, QStringLiteral("misc-page.png"));
    f.ShowTab(MainWindow::Snaps);
    ok &= Save(f.snapsPage(), directory, QStringLiteral("snaps-page.png"));
    return ok ? 0 : 1;
}
