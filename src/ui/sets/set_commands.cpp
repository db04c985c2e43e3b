#include "ui/sets/set_commands.h"

#include <QFileDialog>

#include <optional>

#include "catalogue/command_runner.h"
#include "catalogue/emulator_generation.h"
#include "sets/links.h"
#include "sets/optimise.h"
#include "ui/busy_indicator.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

SetCommands::SetCommands(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
                         GamesListAccess& games, QObject* parent)
    : QObject(parent), m_session(session), m_feedback(feedback), m_window(window), m_games(games) {
    m_openLog = [](const std::string& path) { return catalogue::OpenWithAssociation(path); };
}

bool SetCommands::Serves(GameCommand command) {
    switch (command) {
        case GameCommand::ReleaseRomsLink:
        case GameCommand::ReleaseSamplesLink:
        case GameCommand::SelectRomsFile:
        case GameCommand::SelectSamplesFile:
        case GameCommand::CreateStandAloneFamily:
        case GameCommand::CreateSplittedFamily:
        case GameCommand::CreateMergedFamily:
        case GameCommand::ResetHighScores:
        case GameCommand::ResetDipSwitches:
            return true;
        case GameCommand::Play:
        case GameCommand::Cancel:
            break;
    }
    return false;
}

void SetCommands::Run(GameCommand command) {
    if (m_running) {
        return;
    }
    const std::string description = m_session.state.lastGameSelection;
    switch (command) {
        case GameCommand::ReleaseRomsLink:
            ApplyRefresh(sets::ReleaseRomsLink(m_session.games, description, m_feedback).refresh);
            break;
        case GameCommand::ReleaseSamplesLink:
            ApplyRefresh(
                sets::ReleaseSamplesLink(m_session.games, description, m_feedback).refresh);
            break;
        case GameCommand::SelectRomsFile:
            SelectFile(sets::NeededFileKind::Roms);
            break;
        case GameCommand::SelectSamplesFile:
            SelectFile(sets::NeededFileKind::Samples);
            break;
        case GameCommand::CreateStandAloneFamily:
            Transform(sets::TransformationType::StandAlone, m_games.SelectedDescriptions());
            break;
        case GameCommand::CreateSplittedFamily:
            Transform(sets::TransformationType::Splitted, m_games.SelectedDescriptions());
            break;
        case GameCommand::CreateMergedFamily:
            Transform(sets::TransformationType::Merged, m_games.SelectedDescriptions());
            break;
        case GameCommand::ResetHighScores:
            sets::ResetHighScoreTable(m_session.games, m_session.emulator, description, m_feedback);
            break;
        case GameCommand::ResetDipSwitches:
            sets::ResetDipSwitchSettings(m_session.games, m_session.emulator, description,
                                         m_feedback);
            break;
        case GameCommand::Play:
        case GameCommand::Cancel:
            break;
    }
}

void SetCommands::SelectFile(sets::NeededFileKind theme) {
    if (!store::FindGameByDescription(m_session.games, m_session.state.lastGameSelection)) {
        return;
    }
    const std::string chosen = ChooseZip(theme);
    // The emulator, or today's emulator's cache, is asked for the game's files,
    // which takes a moment.
    sets::LinkCommandResult result;
    {
        LongOperation operation(*this);
        if (!operation.started()) {
            return;
        }
        const std::optional<catalogue::NeededFileCache> cache = catalogue::TodaysNeededFileCache(
            m_session.files.directory, m_session.emulator.directory);
        result = sets::SelectSetFile(m_session.games, m_session.emulator,
                                     m_session.state.lastGameSelection, chosen, theme,
                                     cache ? &*cache : nullptr, m_feedback, &m_pump);
    }
    ApplyRefresh(result.refresh);
}

std::string SetCommands::ChooseZip(sets::NeededFileKind theme) const {
    if (m_chooseZip) {
        return m_chooseZip(theme);
    }
    const bool roms = theme == sets::NeededFileKind::Roms;
    QFileDialog dialog(&m_window, roms ? tr("Select Roms file") : tr("Select Samples file"),
                       ToQString(sets::ThemeDirectory(m_session.emulator, theme)),
                       roms ? tr("Roms zip files (*.zip)") : tr("Samples zip files (*.zip)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("zip"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return ToBytes(dialog.selectedFiles().constFirst());
}

void SetCommands::Transform(sets::TransformationType type,
                            const std::vector<std::string>& descriptions) {
    {
        LongOperation operation(*this);
        if (!operation.started()) {
            return;
        }
        ProgressWindow progress(&m_window);
        const sets::TransformationResult result =
            sets::RunTransformation(type, descriptions, m_session, progress, m_feedback, &m_pump);
        if (result.logWritten) {
            OpenLog(result.logPath);
        }
        m_window.UpdateStatusLine();
    }
    m_games.SelectCurrentGame();
}

void SetCommands::ApplyRefresh(const sets::ViewRefresh& refresh) {
    if (refresh.gamesList) {
        m_games.RefreshGamesList();
    }
    if (refresh.statusLine) {
        m_window.UpdateStatusLine();
    }
    if (refresh.gamesList || refresh.currentGame) {
        m_games.SelectCurrentGame();
    }
}

void SetCommands::OpenLog(const std::string& path) const {
    if (m_openLog && m_openLog(path)) {
        return;
    }
    // Without a viewer the operation would end silently: say where its log is.
    m_feedback.ShowMessage(LogNotOpenedMessage(path), store::MessageIcon::Information);
}

std::string LogNotOpenedMessage(const std::string& path) {
    return "The log could not be opened with the desktop's viewer.\nYou find it in:\n" + path;
}

SetCommands::LongOperation::LongOperation(SetCommands& commands)
    : m_commands(commands), m_started(!commands.m_running) {
    if (!m_started) {
        return;
    }
    m_commands.m_running = true;
    m_commands.m_window.setEnabled(false);
    m_commands.m_window.busy().On();
}

SetCommands::LongOperation::~LongOperation() {
    if (!m_started) {
        return;
    }
    m_commands.m_window.busy().Off();
    m_commands.m_window.setEnabled(true);
    m_commands.m_running = false;
}

}  // namespace quorvex::ui
