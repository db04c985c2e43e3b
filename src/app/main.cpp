#include <QApplication>

#include "catalogue/catalogue_import.h"
#include "catalogue/command_runner.h"
#include "platform/file_system.h"
#include "platform/program_directory.h"
#include "store/startup.h"
#include "ui/accessible_names.h"
#include "ui/event_pump.h"
#include "ui/program_icon.h"
#include "ui/startup_windows.h"

int main(int argc, char* argv[]) {
    using namespace quorvex;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    // The run goes through a chain of windows (splash, What's new, main
    // window); the gaps between them must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::InstallAccessibleNames(application);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvex.Quorvex"));
    QApplication::setWindowIcon(ui::ProgramIcon());

    const std::string programDirectory =
        platform::ResolveProgramDirectory(platform::CurrentDirectory());

    ui::EventLoopPump pump;
    ui::StartupWindows windows;
    catalogue::EmulatorCatalogueImporter importer(&pump);
    catalogue::BatchFileRunner batches(&pump);
    store::StartupServices services{windows, importer, batches};
    return store::RunProgram(programDirectory, services) ? 0 : 1;
}
