#include "ui/sets/setup_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/paths.h"
#include "sets/scan_run.h"
#include "ui/artwork.h"
#include "ui/main_window.h"
#include "ui/page_button.h"
#include "ui/progress_window.h"
#include "ui/sets/set_commands.h"
#include "ui/sets/sets_artwork.h"
#include "ui/text_codec.h"

namespace quorvex::ui {
namespace {

// The old State file kept the box's text in a 255-character field.
constexpr int kSourceDirectoryLimit = 255;

// Transformation buttons read from the left like the lines of a list.
QPushButton* ListButton(const QString& text, SetsArtwork picture, const QString& tip,
                        const char* name, QWidget* parent) {
    QPushButton* button = PageButton(text, SetsIcon(picture), tip, name, parent);
    button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding: 2px 10px; }"));
    return button;
}

QString FirstDroppedPath(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) {
        return {};
    }
    const QUrl first = data->urls().constFirst();
    return first.isLocalFile() ? QDir::toNativeSeparators(first.toLocalFile()) : QString();
}

}  // namespace

SourceDirectoryBox::SourceDirectoryBox(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(true);
}

void SourceDirectoryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit FocusLost();
}

void SourceDirectoryBox::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstDroppedPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void SourceDirectoryBox::dragMoveEvent(QDragMoveEvent* event) {
    if (!FirstDroppedPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dragMoveEvent(event);
}

void SourceDirectoryBox::dropEvent(QDropEvent* event) {
    const QString path = FirstDroppedPath(event->mimeData());
    if (path.isEmpty()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // The dropped item replaces the text rather than being typed into it.
    setText(path);
    event->acceptProposedAction();
    emit FocusLost();
}

SetupPage::SetupPage(SetCommands& commands, QWidget* parent)
    : QWidget(parent), m_commands(commands) {
    setObjectName(QStringLiteral("setupPage"));
    m_chooseDirectory = [](QWidget* owner, const QString& start) {
        return QFileDialog::getExistingDirectory(
            owner, tr("Select the source directory for the scanning!"), start);
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 8, 6, 6);
    layout->setSpacing(10);
    layout->addWidget(BuildScanGroup());
    layout->addWidget(BuildTransformationGroup());
    layout->addStretch(1);

    ShowTheme(sets::NeededFileKind::Roms);
}

QWidget* SetupPage::BuildScanGroup() {
    auto* group = new QGroupBox(tr(" Recognition of Roms and Samples zip files "), this);
    group->setObjectName(QStringLiteral("scanGroup"));

    m_themeButton =
        PageButton(QString(), QIcon(), tr("Switch between the roms and the samples scanning!"),
                   "themeButton", group);
    m_themeButton->setIconSize(QSize(28, 28));
    m_themeButton->setMinimumSize(112, 44);
    connect(m_themeButton, &QPushButton::clicked, this, &SetupPage::ToggleTheme);

    m_sourceLabel =
        new QLabel(tr("Drag or enter here the directory where you have put your zip files"), group);
    m_sourceLabel->setObjectName(QStringLiteral("sourceLabel"));
    m_sourceLabel->setWordWrap(true);

    m_source = new SourceDirectoryBox(group);
    m_source->setObjectName(QStringLiteral("sourceDirectory"));
    m_source->setMaxLength(kSourceDirectoryLimit);
    m_source->setToolTip(
        tr("This is the source directory from where the zip files will be taken for scanning!"));
    m_sourceLabel->setBuddy(m_source);
    connect(m_source, &SourceDirectoryBox::FocusLost, this, &SetupPage::RememberSourceDirectory);

    m_browse = PageButton(tr("Browse"), ArtworkIcon(Artwork::Folder),
                          tr("Picks the source zip files directory!"), "browseButton", group);
    m_browse->setIconSize(QSize(18, 18));
    m_browse->setMinimumHeight(m_source->sizeHint().height() + 4);
    connect(m_browse, &QPushButton::clicked, this, &SetupPage::Browse);

    m_rescanAll = new QCheckBox(tr("Rescan all games"), group);
    m_rescanAll->setObjectName(QStringLiteral("rescanAll"));
    m_rescanAll->setToolTip(tr("Forces QVX to rescan all games!"));

    m_veryFast = new QCheckBox(tr("Very fast scanning assuming that clones are..."), group);
    m_veryFast->setObjectName(QStringLiteral("veryFast"));
    m_veryFast->setToolTip(tr("Enables the very fast scanning method for the roms!"));

    m_assumption = new QComboBox(group);
    m_assumption->setObjectName(QStringLiteral("assumption"));
    m_assumption->addItems({tr("Splitted"), tr("Merged"), tr("Stand Alone")});
    m_assumption->setCurrentIndex(static_cast<int>(sets::FastAssumption::Splitted));
    m_assumption->setToolTip(
        tr("During the very fast roms scanning, QVX will assume that the clones are all ..."));

    m_scan =
        PageButton(tr("Click here to begin the scanning's process"), SetsIcon(SetsArtwork::Scan),
                   tr("Starts the scanning!"), "scanButton", group);
    m_scan->setIconSize(QSize(26, 26));
    m_scan->setMinimumHeight(40);
    QFont bold = m_scan->font();
    bold.setBold(true);
    m_scan->setFont(bold);
    connect(m_scan, &QPushButton::clicked, this, &SetupPage::BeginScan);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(m_themeButton);
    top->addWidget(m_sourceLabel, 1);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->setSpacing(6);
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(m_browse);

    auto* fastRow = new QHBoxLayout;
    fastRow->setSpacing(6);
    fastRow->addWidget(m_veryFast);
    fastRow->addWidget(m_assumption);
    fastRow->addStretch(1);

    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(10, 14, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addLayout(sourceRow);
    layout->addWidget(m_rescanAll);
    layout->addLayout(fastRow);
    layout->addSpacing(2);
    layout->addWidget(m_scan);
    return group;
}

QWidget* SetupPage::BuildTransformationGroup() {
    auto* group = new QGroupBox(tr(" Roms transformations "), this);
    group->setObjectName(QStringLiteral("transformationGroup"));

    m_selectAll = PageButton(tr("Select all games in the list"), SetsIcon(SetsArtwork::SelectAll),
                             tr("Selects all games in the games list!"), "selectAllButton", group);
    connect(m_selectAll, &QPushButton::clicked, this, &SetupPage::SelectAllGames);

    auto* note = new QLabel(tr("Where possible, for the selected games that have clones"), group);
    note->setObjectName(QStringLiteral("transformationNote"));
    note->setWordWrap(true);
    QFont italic = note->font();
    italic.setItalic(true);
    note->setFont(italic);

    m_standAlone = ListButton(
        tr("... create STAND ALONE zip for each clone"), SetsArtwork::StandAlone,
        tr("Creates a stand alone zip file for each clones!"), "standAloneButton", group);
    m_merged = ListButton(tr("... create only one big MERGED zip with all roms inside"),
                          SetsArtwork::Merged,
                          tr("Creates a big merged files that contains all the roms needed by the "
                             "original games and by his clones!"),
                          "mergedButton", group);
    m_splitted =
        ListButton(tr("... create SPLITTED zip files for each clone"), SetsArtwork::Splitted,
                   tr("Creates a splitted zip file for each clones!"), "splittedButton", group);

    const auto transform = [this](sets::TransformationType type) {
        m_commands.Transform(type, m_commands.games().SelectedDescriptions());
    };
    connect(m_standAlone, &QPushButton::clicked, this,
            [transform]() { transform(sets::TransformationType::StandAlone); });
    connect(m_merged, &QPushButton::clicked, this,
            [transform]() { transform(sets::TransformationType::Merged); });
    connect(m_splitted, &QPushButton::clicked, this,
            [transform]() { transform(sets::TransformationType::Splitted); });

    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(10, 14, 10, 10);
    layout->setSpacing(6);
    layout->addWidget(m_selectAll);
    layout->addSpacing(4);
    layout->addWidget(note);
    layout->addWidget(m_standAlone);
    layout->addWidget(m_merged);
    layout->addWidget(m_splitted);
    return group;
}

void SetupPage::ShowGame(const std::string&, bool) {}

void SetupPage::ShowTheme(sets::NeededFileKind theme) {
    m_theme = theme;
    const bool roms = theme == sets::NeededFileKind::Roms;
    m_themeButton->setText(roms ? tr("Roms") : tr("Samples "));
    m_themeButton->setIcon(SetsIcon(roms ? SetsArtwork::Roms : SetsArtwork::Samples));
    if (!roms) {
        m_veryFast->setChecked(false);
    }
    m_veryFast->setEnabled(roms);
    m_assumption->setEnabled(roms);
    const store::Session& session = m_commands.session();
    m_source->setText(
        ToQString(sets::SourceDirectoryShown(session.state, session.emulator, theme)));
}

void SetupPage::ToggleTheme() {
    // The text typed for one theme must not be remembered as the other's.
    RememberSourceDirectory();
    ShowTheme(m_theme == sets::NeededFileKind::Roms ? sets::NeededFileKind::Samples
                                                    : sets::NeededFileKind::Roms);
}

void SetupPage::RememberSourceDirectory() {
    sets::RememberSourceDirectory(m_commands.session().state, m_theme, ToBytes(m_source->text()));
}

void SetupPage::Browse() {
    const QString chosen = m_chooseDirectory(this, m_source->text());
    if (chosen.isEmpty()) {
        return;
    }
    m_source->setText(
        ToQString(platform::WithTrailingSeparator(ToBytes(QDir::toNativeSeparators(chosen)))));
    RememberSourceDirectory();
}

void SetupPage::SelectAllGames() {
    m_commands.games().SelectAllGames();
}

void SetupPage::BeginScan() {
    RememberSourceDirectory();
    sets::ScanRequest request;
    request.sourceDirectory = ToBytes(m_source->text().left(kSourceDirectoryLimit));
    request.theme = m_theme;
    request.rescanAll = m_rescanAll->isChecked();
    request.veryFast = m_theme == sets::NeededFileKind::Roms && m_veryFast->isChecked();
    request.assumption = static_cast<sets::FastAssumption>(m_assumption->currentIndex());

    sets::ScanRunResult result;
    {
        SetCommands::LongOperation operation(m_commands);
        if (!operation.started()) {
            return;
        }
        ProgressWindow progress(&m_commands.window());
        result = sets::RunSetScan(m_commands.session(), request, m_commands.feedback(), progress,
                                  &m_commands.pump());
        if (!result.logToOpen.empty()) {
            m_commands.OpenLog(result.logToOpen);
        }
        if (result.refresh.gamesList) {
            m_commands.games().RefreshGamesList();
        }
        if (result.refresh.statusLine) {
            m_commands.window().UpdateStatusLine();
        }
    }
    if (result.refresh.gamesList) {
        m_commands.games().SelectCurrentGame();
    }
}

}  // namespace quorvex::ui
