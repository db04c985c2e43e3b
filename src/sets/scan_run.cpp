#include "sets/scan_run.h"

#include <optional>
#include <vector>

#include "catalogue/emulator_generation.h"
#include "catalogue/needed_file_cache.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "sets/optimise.h"
#include "store/text_utils.h"

namespace quorvex::sets {
namespace {

constexpr int kScanStepGames = 6;
constexpr int kPreparationStepGames = 12;

// The Progress window of the scan loop. Its Cancel flag can only be cleared
// by opening the window anew, so a "No" to the stop question reopens it where it was.
class ScanProgress {
public:
    ScanProgress(store::Progress& progress, int upper) : m_progress(progress), m_upper(upper) {}

    void Open(const std::string& text, bool canCancel) {
        m_progress.Open(store::kProgressTitle, canCancel);
        m_progress.SetRange(0, m_upper);
        m_progress.SetText(text);
        m_text = text;
        m_position = 0;
        m_canCancel = canCancel;
    }
    void SetText(const std::string& text) {
        m_text = text;
        m_progress.SetText(text);
    }
    void Step() {
        m_progress.Step();
        ++m_position;
    }
    void Reopen() {
        m_progress.Open(store::kProgressTitle, m_canCancel);
        m_progress.SetRange(0, m_upper);
        m_progress.SetPosition(m_position);
        m_progress.SetText(m_text);
    }
    store::Progress& window() { return m_progress; }

private:
    store::Progress& m_progress;
    int m_upper;
    int m_position = 0;
    bool m_canCancel = false;
    std::string m_text;
};

// Step 5 of a run: links that a rescan replaces, or that name vanished files.
void ClearStaleLinks(store::GameDatabase& games, const store::EmulatorPaths& emulator,
                     const ScanRequest& request, ScanProgress& progress) {
    const bool roms = request.theme == NeededFileKind::Roms;
    SetScanner scanner(games, emulator);
    for (int i = 0; i < games.count(); ++i) {
        if (roms) {
            const std::string link = games.Field(i, 'C');
            if (request.rescanAll || (!link.empty() && !platform::IsReadableFile(link))) {
                games.SetField(i, 'C', "");
                games.SetField(i, 'W', "");
            }
        } else if (request.rescanAll) {
            games.SetField(i, 'D', "");
        } else {
            const std::string link = games.Field(i, 'D');
            if (!link.empty() && !platform::IsReadableFile(link)) {
                games.SetField(i, 'D', "");
                scanner.PropagateCloneLink('D', games[i].description, "", false);
            }
        }
        if (i % kPreparationStepGames == 0)
            progress.Step();
    }
}

std::string LogNotWrittenMessage(const std::string& path, const std::string& error) {
    return "The scanning log could not be written:\n" + path +
           (error.empty() ? std::string() : "\n" + error);
}

}  // namespace

std::string OptimiseQuestion(NeededFileKind theme) {
    return platform::ToNativeSeparators(theme == NeededFileKind::Roms
                                            ? "Do you want to optimize your\nmame\\roms directory?"
                                            : "Do you want to optimize your\nmame\\samples "
                                              "directory?");
}

std::string SourceDirectoryShown(const store::StateRecord& state,
                                 const store::EmulatorPaths& emulator, NeededFileKind theme) {
    const std::string& remembered = theme == NeededFileKind::Roms
                                        ? state.lastDirZipSelection
                                        : state.lastSamplesDirZipSelection;
    return remembered.empty() ? ThemeDirectory(emulator, theme) : remembered;
}

void RememberSourceDirectory(store::StateRecord& state, NeededFileKind theme,
                             const std::string& text) {
    (theme == NeededFileKind::Roms ? state.lastDirZipSelection : state.lastSamplesDirZipSelection) =
        text;
}

ScanRunResult RunSetScan(store::Session& session, const ScanRequest& request,
                         store::UserFeedback& feedback, store::Progress& progress,
                         catalogue::MessagePump* pump) {
    ScanRunResult result;
    if (!platform::IsDirectory(request.sourceDirectory)) {
        feedback.ShowMessage(kMissingSourceDirectory, store::MessageIcon::Exclamation);
        result.outcome = ScanOutcome::DirectoryMissing;
        return result;
    }
    const std::string source = platform::WithTrailingSeparator(request.sourceDirectory);
    const bool roms = request.theme == NeededFileKind::Roms;
    const bool veryFast = roms && request.veryFast;
    if (veryFast && !(feedback.AskYesNo(kVeryFastWarning) && feedback.AskYesNo(kVeryFastSure) &&
                      feedback.AskYesNo(kVeryFastReally))) {
        result.outcome = ScanOutcome::Declined;
        return result;
    }

    store::GameDatabase& games = session.games;
    const int count = games.count();
    ScanProgress bar(progress, count / kScanStepGames);
    bar.Open("Gathering games information ...", false);
    std::vector<store::GameRecord> snapshot;
    snapshot.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        snapshot.push_back(games[i]);
        if (i % kPreparationStepGames == 0)
            bar.Step();
    }
    ClearStaleLinks(games, session.emulator, request, bar);
    progress.Close();

    bar.Open("Scanning ...", true);
    const std::string& logPath = roms ? session.files.romScanLog : session.files.sampleScanLog;
    std::string log = roms ? "Quorvex Roms Scanning\r\n\r\n" : "Quorvex Samples Scanning\r\n\r\n";
    std::string logError;
    // Created at once, so a run that breaks off never leaves the previous run's log behind.
    platform::ReplaceFileAtomically(logPath, log, &logError);

    SetScanner scanner(games, session.emulator, pump, &log);
    // Today's emulator answers from its needed-file cache: no emulator run per game.
    const std::optional<catalogue::NeededFileCache> cache =
        catalogue::TodaysNeededFileCache(session.files.directory, session.emulator.directory);
    scanner.UseNeededFileCache(cache ? &*cache : nullptr);
    bool cancelled = false;
    for (int i = 0; i < count && !cancelled; ++i) {
        const std::string& description = games[i].description;
        const bool scan = roms ? games.Field(i, 'C').empty()
                               : !games.Field(i, 'L').empty() && games.Field(i, 'D').empty();
        bar.SetText((scan ? "Scanning '" : "Skipping '") + description + "' ....");
        if (scan) {
            result.linksMade += veryFast ? scanner.FastScanAt(i, source, request.assumption)
                                         : scanner.AccurateScanAt(i, source, request.theme);
        }
        if (i % kScanStepGames != 0)
            continue;
        bar.Step();
        progress.Pump();
        if (!progress.Cancelled())
            continue;
        if (feedback.AskYesNo(kStopQuestion)) {
            feedback.ShowMessage(kScanCancelled, store::MessageIcon::Exclamation);
            progress.Close();
            cancelled = true;
        } else {
            bar.Reopen();
        }
    }

    logError.clear();
    result.logWritten = platform::ReplaceFileAtomically(logPath, log, &logError);
    if (!scanner.UnstorablePaths().empty()) {
        feedback.ShowMessage(UnstorablePathsMessage(scanner.UnstorablePaths()),
                             store::MessageIcon::Exclamation);
    }
    result.refresh.gamesList = true;
    result.refresh.statusLine = true;

    if (cancelled) {
        result.outcome = ScanOutcome::Cancelled;
        bar.Open("Closing operation...", false);
        std::vector<store::GameRecord>& records = games.MutableRecords();
        for (int i = 0; i < count; ++i) {
            records[static_cast<std::size_t>(i)] = std::move(snapshot[static_cast<std::size_t>(i)]);
            if (i % kScanStepGames == 0)
                bar.Step();
        }
        progress.Close();
    } else {
        result.outcome = ScanOutcome::Finished;
        progress.Close();
        const bool emulatorDirectory = store::EqualsNoCase(source, session.emulator.roms) ||
                                       store::EqualsNoCase(source, session.emulator.samples);
        if (!emulatorDirectory && result.linksMade > 0 &&
            feedback.AskYesNo(OptimiseQuestion(request.theme))) {
            OptimiseDirectory(games, session.emulator, request.theme, CopyMode::Copy, progress);
            result.optimised = true;
        }
        std::string saveError;
        result.saved =
            store::SaveGameDatabase(games, session.files.gameDatabase, progress, &saveError);
        if (!result.saved) {
            feedback.ShowMessage("The games could not be saved in " +
                                     store::FileNamePart(session.files.gameDatabase) + ":\n" +
                                     saveError,
                                 store::MessageIcon::Exclamation);
        }
        if (result.logWritten)
            result.logToOpen = logPath;
    }
    if (!result.logWritten)
        feedback.ShowMessage(LogNotWrittenMessage(logPath, logError),
                             store::MessageIcon::Exclamation);
    return result;
}

}  // namespace quorvex::sets
