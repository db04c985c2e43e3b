#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/about_tune.h"
#include "ui/logo_widget.h"

namespace quorvex::ui {

namespace {

// Those whose work Quorvex stands on, and a way to pass the word on.
const char* const kLinks =
    "<p><b>On the web</b><br>"
    "<a href=\"https://www.mamedev.org/\">The MAME project</a> &ndash; the emulator<br>"
    "<a href=\"https://www.qt.io/\">Qt</a> &ndash; the windows<br>"
    "<a href=\"https://libzip.org/\">libzip</a> and "
    "<a href=\"https://infozip.sourceforge.net/\">Info-ZIP</a> &ndash; the zip files<br>"
    "<a href=\"https://libexpat.github.io/\">Expat</a> &ndash; the emulator's game lists</p>"
    "<p><b>By mail</b><br>"
    "<a href=\"mailto:?subject=Quorvex%201.2&amp;body=Quorvex%20is%20a%20front-end%20for%20the%20"
    "MAME%20arcade%20emulator.\">Tell a friend about Quorvex</a><br>"
    "<a href=\"mailto:?subject=Quorvex%201.2%20-%20a%20note\">Write a note about Quorvex</a></p>";

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent), m_tune(std::make_unique<LoopingTune>()) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Quorvex"));

    auto* logo = new LogoWidget(this);
    logo->setFixedSize(96, 96);

    auto* name = new QLabel(QStringLiteral("Quorvex"), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* version = new QLabel(tr("Version 1.2"), this);
    version->setObjectName(QStringLiteral("aboutVersion"));

    auto* credits = new QLabel(this);
    credits->setTextFormat(Qt::PlainText);
    credits->setWordWrap(true);
    credits->setText(
        tr("A front-end for the MAME arcade emulator: it keeps a list of every game the "
           "emulator supports, finds your ROM and sample sets, starts your games and "
           "remembers how you played them.\n\n"
           "Written by the Quorvex developers.\n"
           "Thanks to the MAME team, whose emulator makes the old machines live again, "
           "and to the authors of the history and game information files.\n\n"
           "Quorvex is free software; see the licence that came with it."));
    credits->setMinimumWidth(320);

    m_links = new QLabel(this);
    m_links->setObjectName(QStringLiteral("aboutLinks"));
    m_links->setTextFormat(Qt::RichText);
    m_links->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_links->setOpenExternalLinks(true);
    m_links->setText(QString::fromUtf8(kLinks));

    auto* heading = new QVBoxLayout;
    heading->addWidget(name);
    heading->addWidget(version);
    heading->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(heading, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(credits);
    layout->addSpacing(6);
    layout->addWidget(m_links);
    layout->addWidget(buttons);
    setSizeGripEnabled(false);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_tune->Start();
}

void AboutDialog::hideEvent(QHideEvent* event) {
    m_tune->Stop();
    QDialog::hideEvent(event);
}

}  // namespace quorvex::ui
