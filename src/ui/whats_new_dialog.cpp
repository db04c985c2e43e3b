#include "ui/whats_new_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "store/record_line.h"
#include "ui/artwork.h"
#include "ui/text_codec.h"

namespace quorvex::ui {
namespace {

struct Column {
    QGroupBox* box;
    QListWidget* list;
    QLabel* counter;
};

Column MakeColumn(const QString& title, const QStringList& entries, const QString& listTip,
                  Artwork picture, const QString& counterText, const QString& counterTip,
                  const QColor& colour, QWidget* parent) {
    Column column;
    column.box = new QGroupBox(title, parent);
    column.list = new QListWidget(column.box);
    column.list->addItems(entries);
    column.list->setToolTip(listTip);
    column.list->setAlternatingRowColors(true);
    column.list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* image = new QLabel(column.box);
    image->setPixmap(ArtworkPixmap(picture, 28));
    column.counter = new QLabel(counterText, column.box);
    column.counter->setToolTip(counterTip);
    QFont bold = column.counter->font();
    bold.setBold(true);
    column.counter->setFont(bold);
    QPalette colours = column.counter->palette();
    colours.setColor(QPalette::WindowText, colour);
    column.counter->setPalette(colours);

    auto* footer = new QHBoxLayout;
    footer->setSpacing(8);
    footer->addWidget(image);
    footer->addWidget(column.counter, 1);
    auto* layout = new QVBoxLayout(column.box);
    layout->addWidget(column.list, 1);
    layout->addLayout(footer);
    return column;
}

}  // namespace

QStringList SortedDescriptions(const std::vector<store::GameRecord>& records) {
    QStringList descriptions;
    descriptions.reserve(static_cast<qsizetype>(records.size()));
    for (const store::GameRecord& record : records) {
        descriptions.append(ToQString(store::GetRecordValue(record.line, "B")));
    }
    std::stable_sort(descriptions.begin(), descriptions.end(),
                     [](const QString& a, const QString& b) {
                         const int order = a.compare(b, Qt::CaseInsensitive);
                         return order != 0 ? order < 0 : a < b;
                     });
    return descriptions;
}

WhatsNewDialog::WhatsNewDialog(const store::CatalogueChanges& changes, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("whatsNewDialog"));
    setWindowTitle(tr("What's new?"));

    const Column added = MakeColumn(
        tr("New games supported!"), SortedDescriptions(changes.inserted), tr("YES! YES! YES!"),
        Artwork::NewGames, tr("New games: %1 !").arg(changes.inserted.size()),
        tr("Number of new games!"), QColor(39, 94, 36), this);
    const Column gone = MakeColumn(
        tr("Games more likely renamed!"), SortedDescriptions(changes.removed), tr("NO! NO! NO!"),
        Artwork::GoneGames, tr("No longer supported: %1 !").arg(changes.removed.size()),
        tr("Number of deleted games!"), QColor(200, 0, 55), this);
    m_newGames = added.list;
    m_newGames->setObjectName(QStringLiteral("newGamesList"));
    m_goneGames = gone.list;
    m_goneGames->setObjectName(QStringLiteral("goneGamesList"));
    m_newCounter = added.counter;
    m_goneCounter = gone.counter;

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addWidget(added.box, 1);
    columns->addWidget(gone.box, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(640, 420);
}

}  // namespace quorvex::ui
