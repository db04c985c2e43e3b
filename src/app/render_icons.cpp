// Draws the program's emblem into the PNG icons a desktop menu shows, so the
// icons always match the emblem of the main window.
// Usage: quorvex-render-icons <output folder> <edge> [<edge> ...]
// Writes <output folder>/<edge>x<edge>/apps/org.quorvex.Quorvex.png.

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

#include "ui/program_icon.h"

int main(int argc, char* argv[]) {
    // Rendering needs no screen; the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output folder> <edge> [<edge> ...]\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int edge = std::atoi(argv[i]);
        if (edge < 8 || edge > 1024) {
            std::fprintf(stderr, "%s: not an icon size\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(edge);
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
            return 1;
        }
        const QImage icon = quorvex::ui::EmblemImage(edge);
        const QString file = folder + QStringLiteral("/org.quorvex.Quorvex.png");
        if (!icon.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
