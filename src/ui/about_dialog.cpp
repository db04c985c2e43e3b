#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/logo_widget.h"

namespace quorvex::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
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
    layout->addWidget(buttons);
    setSizeGripEnabled(false);
}

}  // namespace quorvex::ui
