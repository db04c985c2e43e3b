#include "ui/emulator_directory_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "platform/paths.h"
#include "store/program_paths.h"
#include "ui/artwork.h"
#include "ui/logo_widget.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

std::string EmulatorMissingMessage() {
    return "The file '" + platform::EmulatorExecutableName() +
           "' is not located in the specified directory";
}

EmulatorDirectoryDialog::EmulatorDirectoryDialog(store::UserFeedback& feedback, QWidget* parent)
    : QDialog(parent), m_feedback(feedback) {
    setObjectName(QStringLiteral("emulatorDirectoryDialog"));
    setWindowTitle(QString::fromLatin1(store::kMessageCaption));

    auto* label =
        new QLabel(tr("Please enter the name of the directory where mame is located"), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("emulatorDirectoryEdit"));
    m_edit->setToolTip(
        tr("Enter here the full path of the directory where the file 'MAME.EXE' is located!"));
    m_edit->setMinimumWidth(360);
    label->setBuddy(m_edit);

    m_browse = new QPushButton(ArtworkIcon(Artwork::Folder), tr("Browse"), this);
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_browse->setIconSize(QSize(20, 20));
    m_browse->setToolTip(tr("Picks the Mame directory"));
    m_browse->setAutoDefault(false);
    connect(m_browse, &QPushButton::clicked, this, &EmulatorDirectoryDialog::Browse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(tr("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setToolTip(tr("Enter Quorvex!"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setToolTip(tr("Quits Quorvex!"));
    connect(buttons, &QDialogButtonBox::accepted, this, &EmulatorDirectoryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EmulatorDirectoryDialog::reject);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(m_edit, 1);
    row->addWidget(m_browse);

    auto* logo = new LogoWidget(this);
    logo->setFixedSize(56, 56);

    auto* fields = new QVBoxLayout;
    fields->setSpacing(10);
    fields->addWidget(label);
    fields->addLayout(row);
    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addLayout(fields, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addSpacing(4);
    layout->addWidget(buttons);
    setFixedHeight(sizeHint().height());
}

void EmulatorDirectoryDialog::accept() {
    const std::optional<std::string> directory =
        store::NormaliseEmulatorDirectory(ToBytes(m_edit->text()));
    if (!directory) {
        m_feedback.ShowMessage(EmulatorMissingMessage(), store::MessageIcon::Exclamation);
        return;
    }
    m_directory = *directory;
    QDialog::accept();
}

void EmulatorDirectoryDialog::Browse() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, tr("Please select the directory where the file Mame.exe is located!"), m_edit->text(),
        QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty()) {
        m_edit->setText(QDir::toNativeSeparators(chosen));
    }
}

}  // namespace quorvex::ui
