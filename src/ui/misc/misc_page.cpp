#include "ui/misc/misc_page.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "store/game_database.h"
#include "store/text_utils.h"
#include "ui/artwork.h"
#include "ui/misc/misc_artwork.h"
#include "ui/play/game_launcher.h"
#include "ui/play/play_artwork.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

QPushButton* PictureButton(const QIcon& icon, const QString& name, const QString& tip,
                           QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setMinimumSize(42, 34);
    button->setToolTip(tip);
    button->setAccessibleName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Box(int length, const QString& tip, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(length);
    box->setToolTip(tip);
    return box;
}

QString CountCaption(const char* format, std::size_t count) {
    return QString::fromLatin1(format).arg(count);
}

}  // namespace

MiscPage::MiscPage(store::Session& session, store::UserFeedback& feedback, GameLauncher* launcher,
                   QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback), m_launcher(launcher) {
    setObjectName(QStringLiteral("miscPage"));
    BuildControls();
    ShowBrowsing();
}

MiscPage::~MiscPage() = default;

void MiscPage::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(BuildCheatFrame(), 3);
    layout->addWidget(BuildReplayFrame(), 2);
}

QWidget* MiscPage::BuildCheatFrame() {
    m_cheatFrame = new QGroupBox(tr("Cheat info"), this);
    m_cheatFrame->setObjectName(QStringLiteral("cheatFrame"));
    m_cheatFrame->setToolTip(tr("How many cheats am I able to use?"));

    m_cheatList = new QListWidget(m_cheatFrame);
    m_cheatList->setObjectName(QStringLiteral("cheatList"));
    m_cheatList->setToolTip(tr("What cheats am I able to use?"));
    m_cheatList->setSelectionMode(QAbstractItemView::SingleSelection);

    m_cpu =
        Box(info::kCheatCpuLength, tr("Which CPU (for games with multiple CPUs) ?"), m_cheatFrame);
    m_cpu->setObjectName(QStringLiteral("cheatCpuBox"));
    m_address = Box(info::kCheatAddressLength,
                    tr("The memory location to apply the value at, in Hexadecimal"), m_cheatFrame);
    m_address->setObjectName(QStringLiteral("cheatAddressBox"));
    m_data = Box(info::kCheatDataLength,
                 tr("The data to put at the memory location, in Hexadecimal"), m_cheatFrame);
    m_data->setObjectName(QStringLiteral("cheatDataBox"));
    m_type = Box(info::kCheatTypeLength, tr("Type Of Cheat. Usually '0'! Refer to cheat.doc!"),
                 m_cheatFrame);
    m_type->setObjectName(QStringLiteral("cheatTypeBox"));
    m_descriptionBox =
        Box(info::kCheatDescriptionLength, tr("The description (30 characters max)"), m_cheatFrame);
    m_descriptionBox->setObjectName(QStringLiteral("cheatDescriptionBox"));
    // Room for what the boxes take, a little more for the wide letters.
    const QFontMetrics metrics(m_cpu->font());
    m_cpu->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("WW")) + 16);
    m_address->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("WWWWW")) + 16);
    m_data->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("WWW")) + 16);
    m_type->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("WWW")) + 16);

    m_new = PictureButton(PlayIcon(PlayArtwork::New), tr("New"),
                          tr("Press this to insert a new cheat!"), m_cheatFrame);
    m_new->setObjectName(QStringLiteral("newCheatButton"));
    m_modify =
        PictureButton(MiscIcon(MiscArtwork::Modify), tr("Modify"),
                      tr("Press this to modify the currently selected cheat!"), m_cheatFrame);
    m_modify->setObjectName(QStringLiteral("modifyCheatButton"));
    m_deleteCheat = PictureButton(PlayIcon(PlayArtwork::Delete), tr("Delete"),
                                  tr("Deletes the currently selected cheat!"), m_cheatFrame);
    m_deleteCheat->setObjectName(QStringLiteral("deleteCheatButton"));
    m_save = PictureButton(PlayIcon(PlayArtwork::Save), tr("Save"),
                           tr("Saves the changes or inserts the new cheat"), m_cheatFrame);
    m_save->setObjectName(QStringLiteral("saveCheatButton"));
    m_cancel = PictureButton(PlayIcon(PlayArtwork::Cancel), tr("Cancel"),
                             tr("Discard any changes!"), m_cheatFrame);
    m_cancel->setObjectName(QStringLiteral("cancelCheatButton"));

    connect(m_new, &QPushButton::clicked, this, &MiscPage::NewCheat);
    connect(m_modify, &QPushButton::clicked, this, &MiscPage::ModifyCheat);
    connect(m_deleteCheat, &QPushButton::clicked, this, &MiscPage::DeleteCheat);
    connect(m_save, &QPushButton::clicked, this, &MiscPage::SaveCheat);
    connect(m_cancel, &QPushButton::clicked, this, &MiscPage::CancelCheat);

    auto* fields = new QGridLayout;
    const std::pair<QString, QLineEdit*> columns[] = {{tr("Cpu"), m_cpu},
                                                      {tr("Addr"), m_address},
                                                      {tr("Data"), m_data},
                                                      {tr("Type"), m_type},
                                                      {tr("Description"), m_descriptionBox}};
    int column = 0;
    for (const auto& [caption, box] : columns) {
        auto* label = new QLabel(caption, m_cheatFrame);
        // The label names its box for screen readers too.
        label->setBuddy(box);
        fields->addWidget(label, 0, column);
        fields->addWidget(box, 1, column);
        ++column;
    }
    fields->setColumnStretch(4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_new);
    buttons->addWidget(m_modify);
    buttons->addWidget(m_deleteCheat);
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(m_cheatFrame);
    layout->addWidget(m_cheatList, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    return m_cheatFrame;
}

QWidget* MiscPage::BuildReplayFrame() {
    m_replayFrame = new QGroupBox(tr(" Replays info "), this);
    m_replayFrame->setObjectName(QStringLiteral("replayFrame"));

    m_replayList = new QListWidget(m_replayFrame);
    m_replayList->setObjectName(QStringLiteral("replayList"));
    m_replayList->setSelectionMode(QAbstractItemView::SingleSelection);

    m_replay = PictureButton(MiscIcon(MiscArtwork::Replay), tr("Replay it!"),
                             tr("Mame will show your play stored in the replay!"), m_replayFrame);
    m_replay->setObjectName(QStringLiteral("replayItButton"));
    m_deleteReplay =
        PictureButton(PlayIcon(PlayArtwork::Delete), tr("Delete"),
                      tr("Deletes permanently the currently selected replay!"), m_replayFrame);
    m_deleteReplay->setObjectName(QStringLiteral("deleteReplayButton"));
    m_custom = new QPushButton(ArtworkIcon(Artwork::Folder), tr("Custom..."), m_replayFrame);
    m_custom->setObjectName(QStringLiteral("customReplayButton"));
    m_custom->setToolTip(tr("Use this button to replay a game using an extern inp file!"));
    m_custom->setIconSize(QSize(16, 16));
    m_custom->setAutoDefault(false);

    connect(m_replay, &QPushButton::clicked, this, &MiscPage::PlayReplay);
    connect(m_deleteReplay, &QPushButton::clicked, this, &MiscPage::DeleteReplay);
    connect(m_custom, &QPushButton::clicked, this, &MiscPage::PlayCustomReplay);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_replay);
    buttons->addWidget(m_deleteReplay);
    buttons->addStretch(1);
    buttons->addWidget(m_custom);

    auto* layout = new QHBoxLayout(m_replayFrame);
    layout->addWidget(m_replayList, 1);
    layout->addLayout(buttons);
    return m_replayFrame;
}

std::string MiscPage::CheatFilePath() const {
    return m_session.emulator.directory + info::kCheatFileName;
}

void MiscPage::ShowGame(const std::string& description, bool force) {
    if (!NeedsRefill(m_description, description, force)) {
        return;
    }
    m_description = description;
    m_rawName.clear();
    m_hasRomZip = false;
    const std::optional<int> game = store::FindGameByDescription(m_session.games, description);
    if (game) {
        m_rawName = store::ToLowerAscii(store::TrimmedBlanks(m_session.games.Field(*game, 'A')));
        m_hasRomZip = !store::TrimmedBlanks(m_session.games.Field(*game, 'C')).empty();
    }
    FillCheats();
    FillReplays();
}

void MiscPage::FillCheats() {
    m_cheatList->clear();
    m_cheats.clear();
    const info::CheatListing listing = info::ListCheats(CheatFilePath(), m_rawName);
    if (!listing.fileFound) {
        m_cheatList->addItem(tr("Cheat.dat not found!"));
    } else {
        if (!m_rawName.empty()) {
            m_cheats = listing.cheats;
        }
        for (const info::Cheat& cheat : m_cheats) {
            m_cheatList->addItem(ToQString(info::CheatListText(cheat.line)));
        }
        if (m_cheats.empty()) {
            m_cheatList->addItem(tr("No cheat available!"));
        }
    }
    m_cheatFrame->setTitle(CountCaption("Available cheats (%1)", m_cheats.size()));
    m_cheatList->setCurrentRow(0);
    ShowBrowsing();
    for (QLineEdit* box : {m_cpu, m_address, m_data, m_type, m_descriptionBox}) {
        box->clear();
    }
}

void MiscPage::ShowBrowsing() {
    m_mode = CheatMode::Browsing;
    for (QLineEdit* box : {m_cpu, m_address, m_data, m_type, m_descriptionBox}) {
        box->setEnabled(false);
    }
    m_save->hide();
    m_cancel->hide();
    // A cheat needs a game to belong to.
    m_new->setVisible(!m_rawName.empty());
    m_modify->setVisible(!m_cheats.empty());
    m_deleteCheat->setVisible(!m_cheats.empty());
}

void MiscPage::ShowEditing(CheatMode mode) {
    m_mode = mode;
    for (QLineEdit* box : {m_cpu, m_address, m_data, m_type, m_descriptionBox}) {
        box->setEnabled(true);
        box->clear();
    }
    m_save->show();
    m_cancel->show();
    m_new->hide();
    m_modify->hide();
    m_deleteCheat->hide();
}

const info::Cheat* MiscPage::SelectedCheat() const {
    const int row = m_cheatList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_cheats.size()) {
        return nullptr;
    }
    return &m_cheats[static_cast<std::size_t>(row)];
}

void MiscPage::NewCheat() {
    ShowEditing(CheatMode::New);
    m_cpu->setFocus();
}

void MiscPage::ModifyCheat() {
    const info::Cheat* cheat = SelectedCheat();
    if (cheat == nullptr) {
        return;
    }
    m_modifiedLine = cheat->line;
    ShowEditing(CheatMode::Modify);
    m_type->setText(ToQString(cheat->type));
    m_descriptionBox->setText(ToQString(cheat->description));
    m_data->setText(ToQString(cheat->data));
    m_cpu->setText(ToQString(cheat->cpu));
    m_address->setText(ToQString(cheat->address));
    m_cpu->setFocus();
}

void MiscPage::CancelCheat() {
    ShowBrowsing();
}

void MiscPage::SaveCheat() {
    if (m_mode == CheatMode::Browsing) {
        return;
    }
    for (const QLineEdit* box : {m_cpu, m_address, m_data, m_type, m_descriptionBox}) {
        if (box->text().isEmpty()) {
            m_feedback.ShowMessage("You must fill all the cheat's fields!",
                                   store::MessageIcon::Exclamation);
            return;
        }
    }
    const std::string line = info::CheatLine(
        m_rawName, ToBytes(m_cpu->text()), ToBytes(m_address->text()), ToBytes(m_data->text()),
        ToBytes(m_type->text()), ToBytes(m_descriptionBox->text()));
    const info::CheatEdit edit = m_mode == CheatMode::New
                                     ? info::AddCheat(CheatFilePath(), line)
                                     : info::ModifyCheat(CheatFilePath(), m_modifiedLine, line);
    if (!edit.written) {
        // What was typed stays in the boxes for another try.
        m_feedback.ShowMessage(edit.message, store::MessageIcon::Exclamation);
        return;
    }
    ShowGame(m_description, true);
}

void MiscPage::DeleteCheat() {
    const info::Cheat* cheat = SelectedCheat();
    if (cheat == nullptr) {
        return;
    }
    // The question's event loop may refill the page: keep what is to go.
    const std::string line = cheat->line;
    if (!m_feedback.AskYesNo("Are you sure that you want to delete this cheat?")) {
        return;
    }
    const info::CheatEdit edit = info::DeleteCheat(CheatFilePath(), line);
    if (!edit.written) {
        m_feedback.ShowMessage(edit.message, store::MessageIcon::Exclamation);
    }
    ShowGame(m_description, true);
}

void MiscPage::FillReplays() {
    m_replayList->clear();
    m_replays.clear();
    if (!m_rawName.empty()) {
        m_replays = info::ListReplays(m_session.emulator, m_rawName);
    }
    for (const info::ReplayFile& replay : m_replays) {
        m_replayList->addItem(ToQString(info::ReplayListEntry(replay)));
    }
    if (m_replays.empty()) {
        m_replayList->addItem(tr("No replay available!"));
    }
    m_replay->setVisible(!m_replays.empty() && m_hasRomZip);
    m_deleteReplay->setVisible(!m_replays.empty());
    m_replayFrame->setTitle(CountCaption("Available replays (%1)", m_replays.size()));
    m_replayList->setCurrentRow(0);
}

const info::ReplayFile* MiscPage::SelectedReplay() const {
    const int row = m_replayList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_replays.size()) {
        return nullptr;
    }
    return &m_replays[static_cast<std::size_t>(row)];
}

void MiscPage::PlayReplay() {
    if (const info::ReplayFile* replay = SelectedReplay()) {
        Launch(replay->path);
    }
}

void MiscPage::DeleteReplay() {
    const info::ReplayFile* replay = SelectedReplay();
    if (replay == nullptr) {
        return;
    }
    const std::string path = replay->path;
    if (!m_feedback.AskYesNo("Are you sure that you want to delete this Replay?")) {
        return;
    }
    info::DeleteReplay(m_session, m_description, path);
    ShowGame(m_description, true);
}

void MiscPage::PlayCustomReplay() {
    const QString start = ToQString(m_session.state.lastCustomInpDir);
    const QString chosen = m_chooseReplay ? m_chooseReplay(start) : ChooseReplayFile(start);
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = QFile::encodeName(chosen).toStdString();
    m_session.state.lastCustomInpDir = info::FolderOf(path);
    Launch(path);
}

QString MiscPage::ChooseReplayFile(const QString& startFolder) {
    QFileDialog dialog(this, tr("Open"), startFolder, tr("Mame Replay file (*.inp)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("inp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

void MiscPage::Launch(const std::string& replay) {
    if (m_launcher == nullptr) {
        return;
    }
    m_launcher->choices().replayToPlay = replay;
    m_launcher->LaunchGame();
}

}  // namespace quorvex::ui
