#include "ui/info/statistics_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/event_pump.h"
#include "ui/info/info_artwork.h"
#include "ui/page_button.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

QPushButton* BoardButton(const char* name, const QString& text, info::Board board,
                         QWidget* parent) {
    return PageButton(text, BoardIcon(board), QString(), name, parent);
}

}  // namespace

StatisticsWindow::StatisticsWindow(const store::GameDatabase& games, QWidget* parent)
    : QDialog(parent), m_games(games) {
    setObjectName(QStringLiteral("statisticsWindow"));
    setWindowTitle(tr("Statistics"));
    setModal(true);

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("boardBanner"));
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setMinimumSize(kBannerSize);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("boardList"));
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    m_fame = BoardButton("hallOfFameButton", tr("Hall of Fame"), info::Board::HallOfFame, this);
    m_shame = BoardButton("hallOfShameButton", tr("Hall of Shame"), info::Board::HallOfShame, this);
    m_global = BoardButton("globalHallButton", tr("Global Hall"), info::Board::GlobalHall, this);
    m_pack = new QCheckBox(tr("Pack clones!"), this);
    m_pack->setObjectName(QStringLiteral("packClonesBox"));
    m_ratio = new QCheckBox(tr("Ratio\ntime / launched"), this);
    m_ratio->setObjectName(QStringLiteral("ratioBox"));

    const info::StatisticsSummary summary = info::SummariseStatistics(games);
    m_summary = new QLabel(ToQString(summary.text), this);
    m_summary->setObjectName(QStringLiteral("summaryLabel"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    const QColor colour = summary.played ? QColor(39, 94, 36) : QColor(255, 0, 0);
    m_summary->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(colour.name()));
    auto* general = new QGroupBox(tr(" General informations "), this);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(m_summary);

    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);

    connect(m_fame, &QPushButton::clicked, this,
            [this]() { ChooseBoard(info::Board::HallOfFame); });
    connect(m_shame, &QPushButton::clicked, this,
            [this]() { ChooseBoard(info::Board::HallOfShame); });
    connect(m_global, &QPushButton::clicked, this,
            [this]() { ChooseBoard(info::Board::GlobalHall); });
    connect(m_pack, &QCheckBox::clicked, this, &StatisticsWindow::BuildBoard);
    connect(m_ratio, &QCheckBox::clicked, this, &StatisticsWindow::BuildBoard);

    auto* controls = new QHBoxLayout;
    controls->setSpacing(8);
    controls->addWidget(m_fame);
    controls->addWidget(m_shame);
    controls->addWidget(m_global);
    controls->addStretch(1);
    controls->addWidget(m_pack);
    controls->addWidget(m_ratio);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(m_banner, 0, Qt::AlignHCenter);
    layout->addWidget(m_list, 1);
    layout->addLayout(controls);
    layout->addWidget(general);
    layout->addWidget(ok);

    resize(560, 600);
    ChooseBoard(info::Board::HallOfFame);
}

QPushButton* StatisticsWindow::boardButton(info::Board board) const {
    switch (board) {
        case info::Board::HallOfFame:
            return m_fame;
        case info::Board::HallOfShame:
            return m_shame;
        case info::Board::GlobalHall:
            break;
    }
    return m_global;
}

void StatisticsWindow::ChooseBoard(info::Board board) {
    m_board = board;
    m_banner->setPixmap(BoardBanner(board));
    for (const info::Board each :
         {info::Board::HallOfFame, info::Board::HallOfShame, info::Board::GlobalHall}) {
        boardButton(each)->setVisible(each != board);
    }
    BuildBoard();
}

void StatisticsWindow::BuildBoard() {
    m_list->clear();
    m_list->addItem(QString::fromLatin1(info::kComputingLine));
    // Only a repaint: a click now would start a second board inside this one.
    RepaintWindows();
    const info::BoardOptions options{m_pack->isChecked(), m_ratio->isChecked()};
    const std::vector<std::string> lines = info::BoardLines(m_games, m_board, options);
    m_list->clear();
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        items << ToQString(line);
    }
    m_list->addItems(items);
}

}  // namespace quorvex::ui
