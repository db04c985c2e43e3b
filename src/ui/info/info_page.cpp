#include "ui/info/info_page.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "info/game_info.h"
#include "store/game_database.h"
#include "ui/info/info_artwork.h"
#include "ui/main_window.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

constexpr int kBoxLimit = 255;

QColor ColourOf(info::InfoColour colour) {
    switch (colour) {
        case info::InfoColour::Green:
            return {39, 94, 36};
        case info::InfoColour::Red:
            return {200, 0, 55};
        case info::InfoColour::Yellow:
            return {255, 255, 0};
        case info::InfoColour::LightBlue:
            return {0, 180, 255};
        case info::InfoColour::Black:
        case info::InfoColour::Unchanged:
            break;
    }
    return {0, 0, 0};
}

// Yellow on the light page would hardly read, so yellow lines stand on a
// dark chip; the others are plain coloured text.
void SetLine(QLabel* label, const info::InfoLine& line) {
    label->setText(ToQString(line.text));
    if (line.colour == info::InfoColour::Unchanged) {
        return;
    }
    const QColor colour = ColourOf(line.colour);
    QString style = QStringLiteral("color: %1;").arg(colour.name());
    if (line.colour == info::InfoColour::Yellow) {
        style +=
            QStringLiteral(" background-color: #3b3552; border-radius: 4px; padding: 1px 6px;");
    }
    label->setStyleSheet(style);
}

QLabel* NewLine(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* NewButton(const char* name, const QString& text, const QString& tip, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    button->setMinimumWidth(64);
    return button;
}

QLineEdit* NewBox(const char* name, const QString& tip, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    box->setMaxLength(kBoxLimit);
    return box;
}

QGroupBox* NewGroup(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setFlat(false);
    return group;
}

}  // namespace

InfoPage::InfoPage(store::Session& session, store::UserFeedback& feedback, MainWindow& window,
                   QWidget* parent)
    : QWidget(parent), m_session(session), m_feedback(feedback), m_window(window) {
    setObjectName(QStringLiteral("infoPage"));
    BuildControls();
    ShowRatingPicture(0);
}

void InfoPage::BuildControls() {
    m_descriptionLine = NewLine("descriptionLine", this);
    QFont bold = m_descriptionLine->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    m_descriptionLine->setFont(bold);
    m_descriptionLine->setWordWrap(true);
    m_year = NewLine("yearLabel", this);
    m_company = NewLine("companyLine", this);
    m_clone = NewLine("cloneLine", this);
    m_status = NewLine("statusLine", this);
    QFont statusFont = m_status->font();
    statusFont.setBold(true);
    m_status->setFont(statusFont);

    auto* heading = new QGridLayout;
    heading->setHorizontalSpacing(10);
    heading->setVerticalSpacing(3);
    heading->addWidget(m_descriptionLine, 0, 0, 1, 2);
    heading->addWidget(m_year, 1, 0);
    heading->addWidget(m_company, 1, 1);
    heading->addWidget(m_clone, 2, 0, 1, 1);
    heading->addWidget(m_status, 2, 1, Qt::AlignLeft);
    heading->setColumnStretch(1, 1);

    // The zip files, each with its Break and Change/Select buttons.
    auto* sets = NewGroup(tr("Zip files"), this);
    m_roms = NewLine("romsLine", sets);
    m_samples = NewLine("samplesLine", sets);
    m_romsBreak =
        NewButton("romsBreakButton", tr("Break"),
                  tr("This will remove the link between the game and his roms zip file!"), sets);
    m_romsSelect = NewButton("romsSelectButton", tr("Select"),
                             tr("This will let you to choose manually the roms file!"), sets);
    m_samplesBreak =
        NewButton("samplesBreakButton", tr("Break"),
                  tr("This will remove the link between the game and his samples zip file!"), sets);
    m_samplesSelect = NewButton("samplesSelectButton", tr("Select"),
                                tr("This will let you to choose manually the samples file!"), sets);
    // Long zip paths wrap rather than push the buttons off the page.
    for (QLabel* line : {m_roms, m_samples}) {
        line->setWordWrap(true);
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::MinimumExpanding);
    }
    auto* setsLayout = new QGridLayout(sets);
    setsLayout->setHorizontalSpacing(6);
    setsLayout->addWidget(m_roms, 0, 0);
    setsLayout->addWidget(m_romsBreak, 0, 1);
    setsLayout->addWidget(m_romsSelect, 0, 2);
    setsLayout->addWidget(m_samples, 1, 0);
    setsLayout->addWidget(m_samplesBreak, 1, 1);
    setsLayout->addWidget(m_samplesSelect, 1, 2);
    setsLayout->setColumnStretch(0, 1);

    connect(m_romsBreak, &QPushButton::clicked, this,
            [this]() { m_window.RunGameCommand(GameCommand::ReleaseRomsLink); });
    connect(m_romsSelect, &QPushButton::clicked, this,
            [this]() { m_window.RunGameCommand(GameCommand::SelectRomsFile); });
    connect(m_samplesBreak, &QPushButton::clicked, this,
            [this]() { m_window.RunGameCommand(GameCommand::ReleaseSamplesLink); });
    connect(m_samplesSelect, &QPushButton::clicked, this,
            [this]() { m_window.RunGameCommand(GameCommand::SelectSamplesFile); });

    auto* play = NewGroup(tr("Playing"), this);
    m_lastPlayed = NewLine("lastPlayedLine", play);
    m_launch = NewLine("launchLine", play);
    m_launch->setWordWrap(true);
    m_frameRate = NewLine("frameRateLine", play);
    auto* playLayout = new QVBoxLayout(play);
    playLayout->setSpacing(3);
    playLayout->addWidget(m_lastPlayed);
    playLayout->addWidget(m_launch);
    playLayout->addWidget(m_frameRate);

    auto* machine = NewGroup(tr("Emulation"), this);
    m_cpu = NewLine("cpuLine", machine);
    m_sound = NewLine("soundLine", machine);
    m_version = NewLine("versionLine", machine);
    m_insertDate = NewLine("insertDateLine", machine);
    for (QLabel* line : {m_cpu, m_sound}) {
        line->setWordWrap(true);
    }
    auto* machineLayout = new QVBoxLayout(machine);
    machineLayout->setSpacing(3);
    for (QLabel* line : {m_cpu, m_sound, m_version, m_insertDate}) {
        machineLayout->addWidget(line);
    }

    // What belongs to the user: rating, favourite, category, executable.
    auto* mine = NewGroup(tr("Yours"), this);
    m_rating = NewBox("ratingBox", tr("Rate this game!"), mine);
    m_rating->setMaximumWidth(70);
    m_ratingPicture = new QLabel(mine);
    m_ratingPicture->setObjectName(QStringLiteral("ratingPicture"));
    m_ratingPicture->setFixedSize(kRatingPictureSize);
    m_smallerAward = new QLabel(mine);
    m_smallerAward->setObjectName(QStringLiteral("smallerAward"));
    m_smallerAward->setPixmap(AwardPicture(info::Award::Smaller));
    m_smallerAward->setFixedSize(kAwardPictureSize);
    m_goldAward = new QLabel(mine);
    m_goldAward->setObjectName(QStringLiteral("goldMedalAward"));
    m_goldAward->setPixmap(AwardPicture(info::Award::GoldMedal));
    m_goldAward->setFixedSize(kAwardPictureSize);
    m_smallerAward->hide();
    m_goldAward->hide();
    m_favourite = new QCheckBox(tr("Favoritie"), mine);
    m_favourite->setObjectName(QStringLiteral("favouriteBox"));
    m_favourite->setToolTip(tr("Do this game belongs to favorities?"));
    m_category = NewBox("categoryBox", tr("This is a free field! Enter here what you want!"), mine);
    m_executable =
        NewBox("executableBox", tr("What executable will be used to launch this game?"), mine);

    // The boxes on the left, the meter and its award beside them.
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(4);
    boxes->addWidget(new QLabel(tr("Rating:"), mine), 0, 0);
    auto* ratingRow = new QHBoxLayout;
    ratingRow->addWidget(m_rating);
    ratingRow->addSpacing(8);
    ratingRow->addWidget(m_favourite);
    ratingRow->addStretch(1);
    boxes->addLayout(ratingRow, 0, 1);
    boxes->addWidget(new QLabel(tr("Category:"), mine), 1, 0);
    boxes->addWidget(m_category, 1, 1);
    boxes->addWidget(new QLabel(tr("Executable:"), mine), 2, 0);
    boxes->addWidget(m_executable, 2, 1);
    boxes->setColumnStretch(1, 1);

    auto* mineLayout = new QHBoxLayout(mine);
    mineLayout->setSpacing(6);
    mineLayout->addLayout(boxes, 1);
    mineLayout->addWidget(m_ratingPicture, 0, Qt::AlignVCenter);
    mineLayout->addWidget(m_smallerAward, 0, Qt::AlignVCenter);
    mineLayout->addWidget(m_goldAward, 0, Qt::AlignVCenter);

    connect(m_rating, &QLineEdit::editingFinished, this, &InfoPage::StoreRating);
    connect(m_category, &QLineEdit::editingFinished, this, &InfoPage::StoreCategory);
    connect(m_executable, &QLineEdit::editingFinished, this, &InfoPage::StoreExecutable);
    connect(m_favourite, &QCheckBox::clicked, this, [this](bool checked) {
        const int index = ShownIndex();
        if (index >= 0) {
            info::StoreFavourite(m_session.games, index, checked);
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(heading);
    layout->addWidget(sets);
    layout->addWidget(play);
    layout->addWidget(machine);
    layout->addWidget(mine);
    layout->addStretch(1);
}

int InfoPage::ShownIndex() const {
    const std::optional<int> index = store::FindGameByDescription(m_session.games, m_description);
    return index ? *index : -1;
}

void InfoPage::ShowGame(const std::string& description, bool force) {
    if (!NeedsRefill(m_description, description, force)) {
        return;
    }
    m_description = description;
    const int index = ShownIndex();
    if (index < 0) {
        // "No games found!" (or a game that has gone): nothing to show, but
        // the category and the rating picture keep what they showed.
        Clear();
        return;
    }
    const info::GameInfo shown = info::ComposeGameInfo(m_session.games, index);
    m_filling = true;
    SetLine(m_roms, shown.roms);
    SetLine(m_samples, shown.samples);
    SetLine(m_lastPlayed, shown.lastPlayed);
    SetLine(m_launch, shown.launch);
    SetLine(m_cpu, shown.cpu);
    SetLine(m_sound, shown.sound);
    SetLine(m_version, shown.version);
    SetLine(m_insertDate, shown.insertDate);
    SetLine(m_clone, shown.clone);
    SetLine(m_company, shown.company);
    SetLine(m_year, shown.year);
    SetLine(m_status, shown.status);
    SetLine(m_frameRate, shown.frameRate);
    SetLine(m_descriptionLine, shown.description);
    m_roms->setToolTip(m_roms->text());
    m_samples->setToolTip(m_samples->text());

    m_romsBreak->setEnabled(shown.romButtons.breakEnabled);
    m_romsSelect->setText(ToQString(shown.romButtons.otherText));
    m_romsSelect->setEnabled(shown.romButtons.otherEnabled);
    m_samplesBreak->setEnabled(shown.sampleButtons.breakEnabled);
    m_samplesSelect->setText(ToQString(shown.sampleButtons.otherText));
    m_samplesSelect->setEnabled(shown.sampleButtons.otherEnabled);

    m_executable->setText(ToQString(shown.executable));
    m_category->setText(ToQString(shown.category));
    m_favourite->setChecked(shown.favourite);
    m_rating->setText(ToQString(shown.rating));
    ShowRatingPicture(shown.ratingBand);
    m_filling = false;
}

void InfoPage::Clear() {
    for (QLabel* line :
         {m_roms, m_samples, m_lastPlayed, m_launch, m_frameRate, m_cpu, m_sound, m_version,
          m_insertDate, m_clone, m_company, m_year, m_descriptionLine, m_status}) {
        line->clear();
    }
    m_roms->setToolTip(QString());
    m_samples->setToolTip(QString());
    m_rating->clear();
    m_executable->clear();
    m_favourite->setChecked(false);
    // With no game the link buttons have nothing to act on.
    for (QPushButton* button : {m_romsBreak, m_romsSelect, m_samplesBreak, m_samplesSelect}) {
        button->setEnabled(false);
    }
}

void InfoPage::ShowRatingPicture(int band) {
    m_ratingPicture->setPixmap(RatingPicture(band));
    m_ratingPicture->setToolTip(band > 0 ? tr("Rating band %1 of 11").arg(band)
                                         : tr("Not rated yet"));
    const info::Award award = info::RatingAward(band);
    m_smallerAward->setVisible(award == info::Award::Smaller);
    m_goldAward->setVisible(award == info::Award::GoldMedal);
}

void InfoPage::StoreRating() {
    const int index = ShownIndex();
    if (m_filling || index < 0) {
        return;
    }
    const std::string shown = info::StoreRating(m_session.games, index, ToBytes(m_rating->text()));
    ShowRatingPicture(info::RatingBand(m_session.games.Field(index, 'S')));
    m_rating->setText(ToQString(shown));
}

void InfoPage::StoreCategory() {
    const int index = ShownIndex();
    if (m_filling || index < 0) {
        return;
    }
    if (!info::StoreCategory(m_session.games, index, ToBytes(m_category->text()))) {
        // Kept silently, the typed text would be lost at the next game.
        m_feedback.ShowMessage(
            "The category cannot be stored!\nLine breaks and ':+' are NOT allowed in it!",
            store::MessageIcon::Exclamation);
        m_category->setText(ToQString(m_session.games.Field(index, 'Y')));
    }
}

void InfoPage::StoreExecutable() {
    const int index = ShownIndex();
    if (m_filling || index < 0) {
        return;
    }
    const std::string name = ToBytes(m_executable->text());
    switch (info::StoreExecutable(m_session.games, index, m_session.emulator, name)) {
        case info::ExecutableChoice::Missing:
            m_feedback.ShowMessage(info::MissingExecutableWarning(name, m_session.emulator),
                                   store::MessageIcon::Exclamation);
            [[fallthrough]];
        case info::ExecutableChoice::Removed:
            m_executable->setText(QString::fromLatin1(info::kCurrentExecutableText));
            break;
        case info::ExecutableChoice::Kept:
        case info::ExecutableChoice::Stored:
            break;
    }
}

void InfoPage::StoreBoxes() {
    StoreRating();
    StoreCategory();
    StoreExecutable();
}

void InfoPage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            StoreBoxes();
            event->accept();
            return;
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace quorvex::ui
