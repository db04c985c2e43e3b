// Renders the Create settings and Settings pages to PNG pictures for the
// documentation:
//   play_screenshots <directory>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

#include "play_fixture.h"

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

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: play_screenshots <directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);

    using quorvex::testing::PlayFixture;
    PlayFixture f;
    f.GiveSettings("Pac-Man", " +:1:ON:+ +:2:1:+");
    f.OpenWithPlayPages();
    f.window->show();
    f.window->leftTabs()->setCurrentIndex(3);
    f.window->rightTabs()->setCurrentIndex(quorvex::ui::MainWindow::Settings);
    QCoreApplication::processEvents();

    PlayFixture::ClickItem(f.createSettings().definitionList(), 1);
    PlayFixture::ClickItem(f.settings().definitionList(), 1);
    bool ok = Save(f.createSettings(), directory, QStringLiteral("create-settings.png"));
    ok &= Save(f.settings(), directory, QStringLiteral("settings-page.png"));
    return ok ? 0 : 1;
}
