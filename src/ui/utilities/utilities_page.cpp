#include "ui/utilities/utilities_page.h"

#include <QDir>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <string>

#include "platform/paths.h"
#include "sets/optimise.h"
#include "store/state_file.h"
#include "ui/busy_indicator.h"
#include "ui/main_window.h"
#include "ui/page_button.h"
#include "ui/progress_window.h"
#include "ui/sets/sets_artwork.h"
#include "ui/text_codec.h"
#include "ui/utilities/utilities_artwork.h"
#include "utilities/cheat_merge.h"
#include "utilities/old_play_data.h"
#include "utilities/old_snapshots.h"
#include "utilities/utilities_settings.h"
#include "utilities/version_history.h"

namespace quorvex::ui {
namespace {

QPushButton* ToolButton(const QString& text, const QIcon& icon, const QString& tip,
                        const char* name, QWidget* parent) {
    QPushButton* button = PageButton(text, icon, tip, name, parent);
    button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding: 2px 10px; }"));
    return button;
}

QGroupBox* Group(const QString& title, const char* name, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    return group;
}

}  // namespace

ConverterCommandBox::ConverterCommandBox(QWidget* parent) : QLineEdit(parent) {}

void ConverterCommandBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Going to another program or opening a menu is no end of the editing.
    const bool withinWindow =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    emit Left(withinWindow);
}

UtilitiesPage::UtilitiesPage(store::Session& session, store::UserFeedback& feedback,
                             MainWindow& window, QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback), m_window(window) {
    setObjectName(QStringLiteral("utilitiesPage"));
    m_chooseFolder = [](QWidget* owner, const QString& start) {
        return QFileDialog::getExistingDirectory(
            owner,
            tr("Please select the directory where are stored the snapshots taken with the "
               "previous version of Quorvex!"),
            start);
    };
    m_chooseCheatFile = [this](QWidget* owner) {
        QFileDialog dialog(owner, tr("Import cheat codes"), ToQString(m_session.files.directory),
                           tr("Mame Cheat File (cheat.dat)"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.selectFile(QStringLiteral("cheat.dat"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return QString();
        }
        return dialog.selectedFiles().constFirst();
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 8, 6, 6);
    layout->setSpacing(10);
    layout->addWidget(BuildDelayGroup());
    layout->addWidget(BuildToolsGroup());
    layout->addWidget(BuildOptimisationGroup());
    layout->addWidget(BuildConverterGroup());
    layout->addStretch(1);

    m_converter->setText(ToQString(m_session.state.lastConvCommandLine));
    ShowMode(sets::CopyMode::Move);
}

QWidget* UtilitiesPage::BuildDelayGroup() {
    QGroupBox* group = Group(tr(" Snapshots slideshow "), "delayGroup", this);
    m_delay = new QSlider(Qt::Horizontal, group);
    m_delay->setObjectName(QStringLiteral("delaySlider"));
    m_delay->setRange(utilities::kFastestSlideshowSeconds, utilities::kSlowestSlideshowSeconds);
    m_delay->setPageStep(1);
    m_delay->setTickPosition(QSlider::TicksBelow);
    m_delay->setTickInterval(1);
    m_delay->setToolTip(
        tr("Changes the delay between one snapshots and his next one! (1 <-> 10 sec.)"));
    // Showing the stored delay is no choice of the user's: it is set before
    // the slider reports its moves.
    m_delay->setValue(utilities::PrepareSlideshowDelay(m_session.state));
    connect(m_delay, &QSlider::sliderReleased, this, &UtilitiesPage::StoreDelay);
    // Keys and clicks beside the handle move it without a drag.
    connect(m_delay, &QSlider::valueChanged, this, [this]() {
        if (!m_delay->isSliderDown()) {
            StoreDelay();
        }
    });

    auto* fastest = new QLabel(tr("Fastest"), group);
    fastest->setObjectName(QStringLiteral("fastestLabel"));
    auto* slowest = new QLabel(tr("Slowest"), group);
    slowest->setObjectName(QStringLiteral("slowestLabel"));

    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(10, 14, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(fastest);
    layout->addWidget(m_delay, 1);
    layout->addWidget(slowest);
    return group;
}

QWidget* UtilitiesPage::BuildToolsGroup() {
    QGroupBox* group = Group(tr(" Imports "), "toolsGroup", this);
    m_import =
        ToolButton(tr("Import data from Orvane"), UtilitiesIcon(UtilitiesArtwork::OldData),
                   tr("Imports old Quorvex times and rating values!"), "importButton", group);
    m_convert = ToolButton(
        tr("Convert picture from Orvane format"), UtilitiesIcon(UtilitiesArtwork::OldPictures),
        tr("Transforms the old Quorvex snapshots in the new name format!"), "convertButton", group);
    m_versions = ToolButton(
        tr("Plug in mame games versions info"), UtilitiesIcon(UtilitiesArtwork::Versions),
        tr("Plugs in the info (if available) about the mame version for each games!"),
        "versionsButton", group);
    m_cheats = ToolButton(tr("Import cheat codes"), UtilitiesIcon(UtilitiesArtwork::Cheats),
                          tr("Merges your cheat file with another one!"), "cheatsButton", group);
    connect(m_import, &QPushButton::clicked, this, &UtilitiesPage::ImportOldPlayData);
    connect(m_convert, &QPushButton::clicked, this, &UtilitiesPage::ConvertOldSnapshots);
    connect(m_versions, &QPushButton::clicked, this, &UtilitiesPage::PlugInVersionHistory);
    connect(m_cheats, &QPushButton::clicked, this, &UtilitiesPage::MergeCheatFile);

    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(10, 14, 10, 10);
    layout->setSpacing(6);
    for (QPushButton* button : {m_import, m_convert, m_versions, m_cheats}) {
        layout->addWidget(button);
    }
    return group;
}

QWidget* UtilitiesPage::BuildOptimisationGroup() {
    QGroupBox* group = Group(tr(" Optimizations "), "optimisationGroup", this);
    m_optimiseRoms =
        ToolButton(tr("Optimize roms"), SetsIcon(SetsArtwork::Roms),
                   tr("Optimizes the ...\\mame\\roms directory!"), "optimiseRomsButton", group);
    m_optimiseSamples = ToolButton(tr("Optimize samples"), SetsIcon(SetsArtwork::Samples),
                                   tr("Optimizes the ...\\mame\\samples directory!"),
                                   "optimiseSamplesButton", group);
    m_modeButton = ToolButton(QString(), QIcon(),
                              tr("During the optimizations, the files that not resides in "
                                 "\\mame\\roms / \\mame\\samples dir will be moved or simply "
                                 "copied in there?"),
                              "modeButton", group);
    m_modeButton->setMinimumWidth(86);
    connect(m_optimiseRoms, &QPushButton::clicked, this,
            [this]() { Optimise(sets::NeededFileKind::Roms); });
    connect(m_optimiseSamples, &QPushButton::clicked, this,
            [this]() { Optimise(sets::NeededFileKind::Samples); });
    connect(m_modeButton, &QPushButton::clicked, this, [this]() {
        ShowMode(m_mode == sets::CopyMode::Move ? sets::CopyMode::Copy : sets::CopyMode::Move);
    });

    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(10, 14, 10, 10);
    layout->setSpacing(6);
    layout->addWidget(m_optimiseRoms, 1);
    layout->addWidget(m_optimiseSamples, 1);
    layout->addWidget(m_modeButton);
    return group;
}

QWidget* UtilitiesPage::BuildConverterGroup() {
    QGroupBox* group = Group(tr(" Snapshots converter "), "converterGroup", this);
    auto* label = new QLabel(tr("Command line of the program that converts the snapshots"), group);
    label->setWordWrap(true);
    m_converter = new ConverterCommandBox(group);
    m_converter->setObjectName(QStringLiteral("converterBox"));
    // The State file kept the command line in a 255-character field.
    m_converter->setMaxLength(255);
    m_converter->setToolTip(
        tr("This is the command line used for converting the snapshots from PCX to PNG!"));
    label->setBuddy(m_converter);
    connect(m_converter, &ConverterCommandBox::Left, this, &UtilitiesPage::ConverterBoxLeft);

    m_default = new QPushButton(tr("Default"), group);
    m_default->setObjectName(QStringLiteral("defaultButton"));
    m_default->setAutoDefault(false);
    m_default->setToolTip(tr("Defaul value is 'nconvert -s14 -C2 *.*' !"));
    connect(m_default, &QPushButton::clicked, this, &UtilitiesPage::RestoreDefaultConverter);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(m_converter, 1);
    row->addWidget(m_default);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(10, 14, 10, 10);
    layout->setSpacing(6);
    layout->addWidget(label);
    layout->addLayout(row);
    return group;
}

void UtilitiesPage::ShowGame(const std::string&, bool) {}

void UtilitiesPage::StoreDelay() {
    utilities::StoreSlideshowDelay(m_session.state, m_delay->value());
}

void UtilitiesPage::RunTool(const std::function<void(store::Progress&)>& tool) {
    if (m_running) {
        return;
    }
    m_running = true;
    m_window.setEnabled(false);
    m_window.busy().On();
    {
        ProgressWindow progress(&m_window);
        tool(progress);
    }
    m_window.busy().Off();
    m_window.setEnabled(true);
    m_running = false;
    m_window.UpdateStatusLine();
    if (m_gamesChanged) {
        m_gamesChanged();
    }
}

void UtilitiesPage::ImportOldPlayData() {
    RunTool([this](store::Progress& progress) {
        utilities::ImportOldPlayData(m_session.games, m_session.files.directory, m_feedback,
                                     progress);
    });
}

void UtilitiesPage::ConvertOldSnapshots() {
    const QString chosen = m_chooseFolder(this, ToQString(m_session.files.directory));
    if (chosen.isEmpty()) {
        return;
    }
    const std::string directory = ToBytes(QDir::toNativeSeparators(chosen));
    utilities::SnapshotConversion result;
    RunTool([&](store::Progress& progress) {
        result = utilities::ConvertOldSnapshots(m_session, directory, progress);
    });
    if (result.failed > 0) {
        m_feedback.ShowMessage(std::to_string(result.failed) +
                                   " old snapshots could not be copied into " +
                                   m_session.emulator.snapshot + " !",
                               store::MessageIcon::Exclamation);
    }
}

void UtilitiesPage::PlugInVersionHistory() {
    RunTool([this](store::Progress& progress) {
        utilities::PlugInVersionHistory(m_session.games, m_session.files.directory, m_feedback,
                                        progress);
    });
}

void UtilitiesPage::MergeCheatFile() {
    const QString chosen = m_chooseCheatFile(this);
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = ToBytes(QDir::toNativeSeparators(chosen));
    RunTool([&](store::Progress& progress) {
        utilities::MergeCheatFile(path, m_session.emulator.directory + utilities::kCheatFile,
                                  m_feedback, progress);
    });
}

void UtilitiesPage::Optimise(sets::NeededFileKind theme) {
    // The links change in memory only; the games are saved at the end as always.
    RunTool([&](store::Progress& progress) {
        sets::OptimiseDirectory(m_session.games, m_session.emulator, theme, m_mode, progress);
    });
}

void UtilitiesPage::ShowMode(sets::CopyMode mode) {
    m_mode = mode;
    const bool move = mode == sets::CopyMode::Move;
    m_modeButton->setText(move ? tr("Move") : tr("Copy"));
    m_modeButton->setIcon(UtilitiesIcon(move ? UtilitiesArtwork::Move : UtilitiesArtwork::Copy));
}

void UtilitiesPage::ConverterBoxLeft(bool withinWindow) {
    m_converter->setText(ToQString(
        utilities::StoreConverterCommandLine(m_session.state, ToBytes(m_converter->text()))));
    if (withinWindow) {
        m_feedback.ShowMessage(utilities::kConverterWarning, store::MessageIcon::Exclamation);
    }
}

void UtilitiesPage::RestoreDefaultConverter() {
    m_session.state.lastConvCommandLine = store::kDefaultConverterCommandLine;
    m_converter->setText(QString::fromLatin1(store::kDefaultConverterCommandLine));
}

}  // namespace quorvex::ui
