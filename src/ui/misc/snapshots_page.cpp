#include "ui/misc/snapshots_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

#include "info/snapshots.h"
#include "store/game_database.h"
#include "store/record_file.h"
#include "store/text_utils.h"
#include "ui/misc/misc_artwork.h"
#include "ui/misc/picture_view.h"
#include "ui/play/play_artwork.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

// The games page shows this row when no game passes the filters.
constexpr const char* kNoGamesFound = "No games found!";

QPushButton* PictureButton(const QIcon& icon, const QString& name, const QString& tip,
                           QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setIcon(icon);
    button->setIconSize(QSize(28, 28));
    button->setMinimumSize(48, 40);
    button->setToolTip(tip);
    button->setAccessibleName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SnapshotsPage::SnapshotsPage(store::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("snapshotsPage"));
    if (store::ParseLeadingNumber(m_session.state.lastSecondiSlide) == 0) {
        m_session.state.lastSecondiSlide = info::kDefaultSlideDelay;
    }
    BuildControls();
    m_view->ShowPicture(NoSnapshotPicture(QSize(480, 360)));
    UpdateCaptionAndButtons();
}

SnapshotsPage::~SnapshotsPage() {
    m_timer->stop();
}

void SnapshotsPage::BuildControls() {
    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("snapshotFrame"));
    m_frame->setToolTip(tr("How many snapshots are available?"));
    m_view = new PictureView(m_frame);
    m_view->setObjectName(QStringLiteral("snapshotPicture"));
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(m_view);

    m_slideshow = PictureButton(MiscIcon(MiscArtwork::StartSlideshow), tr("Start slideshow"),
                                tr("Starts/stops the slideshow!"), this);
    m_slideshow->setObjectName(QStringLiteral("slideshowButton"));
    m_previous = PictureButton(MiscIcon(MiscArtwork::Previous), tr("Previous"),
                               tr("Shows the previous snapshot!"), this);
    m_previous->setObjectName(QStringLiteral("previousSnapshotButton"));
    m_next = PictureButton(MiscIcon(MiscArtwork::Next), tr("Next"), tr("Shows the next snapshot!"),
                           this);
    m_next->setObjectName(QStringLiteral("nextSnapshotButton"));
    m_delete = PictureButton(PlayIcon(PlayArtwork::Delete), tr("Delete"),
                             tr("Deletes permanently this snapshot!"), this);
    m_delete->setObjectName(QStringLiteral("deleteSnapshotButton"));

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &SnapshotsPage::Tick);
    connect(m_slideshow, &QPushButton::clicked, this, &SnapshotsPage::ToggleSlideshow);
    connect(m_previous, &QPushButton::clicked, this, &SnapshotsPage::Previous);
    connect(m_next, &QPushButton::clicked, this, &SnapshotsPage::Next);
    connect(m_delete, &QPushButton::clicked, this, &SnapshotsPage::DeleteShown);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_slideshow);
    buttons->addStretch(1);
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);
    buttons->addStretch(1);
    buttons->addWidget(m_delete);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_frame, 1);
    layout->addLayout(buttons);
}

void SnapshotsPage::ShowGame(const std::string& description, bool force) {
    if (description == kNoGamesFound || !NeedsRefill(m_description, description, force)) {
        return;
    }
    m_description = description;
    m_files.clear();
    m_index = 0;
    const std::optional<int> game = store::FindGameByDescription(m_session.games, description);
    if (game) {
        m_files = info::ListSnapshots(m_session.emulator, m_session.games.Field(*game, 'A'));
    }
    ShowCurrentPicture();
    UpdateCaptionAndButtons();
}

void SnapshotsPage::ShowCurrentPicture() {
    if (m_files.empty()) {
        m_view->ShowPicture(NoSnapshotPicture(QSize(480, 360)));
        return;
    }
    m_view->ShowFile(m_files[static_cast<std::size_t>(m_index)]);
}

void SnapshotsPage::UpdateCaptionAndButtons() {
    const int count = static_cast<int>(m_files.size());
    m_frame->setTitle(ToQString(info::SnapshotCaption(m_index, count)));
    const info::SnapshotButtons shown = info::SnapshotButtonsFor(m_running, count);
    m_previous->setVisible(shown.previousNext);
    m_next->setVisible(shown.previousNext);
    m_delete->setVisible(shown.remove);
    m_slideshow->setVisible(shown.slideshow);
}

void SnapshotsPage::Previous() {
    m_index = info::PreviousSnapshot(m_index, static_cast<int>(m_files.size()));
    ShowCurrentPicture();
    UpdateCaptionAndButtons();
}

void SnapshotsPage::Next() {
    m_index = info::NextSnapshot(m_index, static_cast<int>(m_files.size()));
    ShowCurrentPicture();
    UpdateCaptionAndButtons();
}

void SnapshotsPage::DeleteShown() {
    if (m_files.empty()) {
        return;
    }
    info::DeleteSnapshot(m_session, m_description, m_files[static_cast<std::size_t>(m_index)]);
    ShowGame(m_description, true);
}

void SnapshotsPage::ToggleSlideshow() {
    if (m_running) {
        m_timer->stop();
        m_running = false;
        m_slideshow->setIcon(MiscIcon(MiscArtwork::StartSlideshow));
    } else {
        m_timer->start(info::SlideshowDelay(m_session.state.lastSecondiSlide));
        m_running = true;
        m_slideshow->setIcon(MiscIcon(MiscArtwork::StopSlideshow));
    }
    UpdateCaptionAndButtons();
}

void SnapshotsPage::Tick() {
    if (m_files.size() >= 2) {
        Next();
    }
}

}  // namespace quorvex::ui
