#include "ui/info/help_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "info/companion_texts.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

QPlainTextEdit* NewTextBox(const char* name, const QString& tip, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}

QGroupBox* Framed(const QString& caption, QWidget* box, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(box);
    return frame;
}

// The entries end their lines with CR LF; the text box wants bare line feeds.
QString BoxText(const std::string& text) {
    QString shown = ToQString(text);
    shown.remove(QLatin1Char('\r'));
    return shown;
}

}  // namespace

HelpPage::HelpPage(const store::Session& session, QWidget* parent)
    : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("helpPage"));
    m_history = NewTextBox("historyBox", tr("Taken directly from file 'history.dat' !"), this);
    m_knownIssues =
        NewTextBox("knownIssuesBox", tr("Taken directly from file 'mameinfo.dat' !"), this);
    m_hotKeys = NewTextBox("hotKeysBox", tr("The following keys work in all emulators!"), this);
    m_hotKeys->setPlainText(BoxText(info::HotKeysText()));

    auto* lower = new QHBoxLayout;
    lower->setSpacing(6);
    lower->addWidget(Framed(tr("Known issues ('mameinfo.dat')"), m_knownIssues, this), 3);
    lower->addWidget(Framed(tr("Hot keys"), m_hotKeys, this), 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(Framed(tr(" History and tips ('history.dat')"), m_history, this), 3);
    layout->addLayout(lower, 2);
}

void HelpPage::ShowGame(const std::string& description, bool force) {
    if (!NeedsRefill(m_description, description, force)) {
        return;
    }
    m_description = description;
    m_knownIssues->setPlainText(BoxText(info::CompanionEntryText(
        info::CompanionFile::MameInfo, m_session.mameInfo, m_session.games, description)));
    m_history->setPlainText(BoxText(info::CompanionEntryText(
        info::CompanionFile::History, m_session.history, m_session.games, description)));
}

void HelpPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace quorvex::ui
