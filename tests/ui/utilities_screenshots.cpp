// Renders the Utilities page and the about box to PNG pictures for the
// documentation:
//   utilities_screenshots <directory>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include <cstdio>

#include "browse_fixture.h"
#include "ui/about_dialog.h"
#include "ui/utilities/utilities_page.h"
#include "ui/utilities/utilities_pages.h"

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
        std::fprintf(stderr, "usage: utilities_screenshots <directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);

    quorvex::testing::BrowseFixture f;
    f.session.state.lastSecondiSlide = "4000";
    f.session.state.lastConvCommandLine = quorvex::store::kDefaultConverterCommandLine;
    f.Open();
    quorvex::ui::InstallUtilitiesPage(*f.window, f.session, f.feedback, f.pages.games);
    f.window->rightTabs()->setCurrentIndex(quorvex::ui::MainWindow::Utils);
    QCoreApplication::processEvents();
    bool ok =
        Save(*f.window->rightTabs()->currentWidget(), directory, QStringLiteral("utils-page.png"));

    quorvex::ui::AboutDialog about;
    about.show();
    ok &= Save(about, directory, QStringLiteral("about.png"));
    about.hide();
    return ok ? 0 : 1;
}
