// A first start over 45,000 new games (or over a real emulator's catalogue) through the real windows, with a user
// who answers every window at once: how long until the What's new dialog and
// until the main window. Run it on a real display with and without the
// accessibility bridge (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 with the AT-SPI
// bus up) to see what assistive technology costs a user.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "catalogue/catalogue_import.h"
#include "catalogue/command_runner.h"
#include "platform/process.h"
#include "store/program_paths.h"
#include "store/startup.h"
#include "ui/event_pump.h"
#include "ui/main_window.h"
#include "ui/startup_windows.h"
#include "ui/whats_new_dialog.h"

namespace {

using namespace quorvex;
namespace fs = std::filesystem;

constexpr int kGames = 45'000;

class HastyUser : public QObject {
public:
    HastyUser() {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, [this]() { Step(); });
        m_timer.start(5);
    }
    qint64 whatsNewAt = -1;
    qint64 mainWindowAt = -1;
    int newGames = 0;

private:
    void Step() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* whatsNew = qobject_cast<ui::WhatsNewDialog*>(modal)) {
                whatsNewAt = m_clock.elapsed();
                newGames = whatsNew->newGames()->count();
                whatsNew->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
            }
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* main = qobject_cast<ui::MainWindow*>(window);
            if (main != nullptr && main->isVisible() && mainWindowAt < 0) {
                mainWindowAt = m_clock.elapsed();
                main->Quit();
            }
        }
    }

    QElapsedTimer m_clock;
    QTimer m_timer;
};

void BM_FirstStartWith45000NewGames(benchmark::State& state) {
    const fs::path root =
        fs::temp_directory_path() / ("quorvex-first-start-" + std::to_string(::getpid()));
    const fs::path emulator = root / "mame";
    fs::create_directories(root / "program");
    fs::create_directories(emulator);
    // QUORVEX_BENCH_EMULATOR names a real emulator to start on instead of the
    // test double with its generated catalogue.
    if (const char* real = std::getenv("QUORVEX_BENCH_EMULATOR"); real != nullptr && *real) {
        fs::remove(emulator / "mame");
        fs::create_symlink(real, emulator / "mame");
    } else {
        fs::copy_file(QUORVEX_FAKE_EMULATOR, emulator / "mame",
                      fs::copy_options::overwrite_existing);
        platform::ProcessRequest request;
        request.arguments = {(emulator / "mame").string(), "--generate-catalogue",
                             std::to_string(kGames), "1"};
        request.workingDirectory = emulator.string() + "/";
        request.outputFile = (emulator / "catalogue.txt").string();
        platform::RunProcess(request);
    }

    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(root / "program");
        fs::create_directories(root / "program");
        const store::ProgramFiles files = store::MakeProgramFiles((root / "program").string() + "/");
        store::CreateStateFile(files.state, emulator.string() + "/");
        state.ResumeTiming();

        HastyUser user;
        ui::EventLoopPump pump;
        ui::StartupWindows windows;
        catalogue::EmulatorCatalogueImporter importer(&pump);
        catalogue::BatchFileRunner batches(&pump);
        store::StartupServices services{windows, importer, batches};
        if (!store::RunProgram((root / "program").string() + "/", services) ||
            user.mainWindowAt < 0) {
            state.SkipWithError("the first start did not reach the main window");
            break;
        }
        state.counters["whats_new_ms"] = static_cast<double>(user.whatsNewAt);
        state.counters["main_window_ms"] = static_cast<double>(user.mainWindowAt);
        state.counters["new_games"] = user.newGames;
        state.counters["accessibility_on"] = QAccessible::isActive() ? 1 : 0;
    }
    fs::remove_all(root);
}
BENCHMARK(BM_FirstStartWith45000NewGames)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
