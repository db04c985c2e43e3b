#include "ui/progress_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/event_pump.h"
#include "ui/text_codec.h"

namespace quorvex::ui {
namespace {

constexpr int kWindowWidth = 390;

}  // namespace

ProgressDialog::ProgressDialog(QWidget* parent, bool canCancel)
    : QDialog(parent), m_canCancel(canCancel) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    setFixedWidth(kWindowWidth);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("progressText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(kWindowWidth - 40);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setTextVisible(false);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("progressCancel"));
    m_cancel->setEnabled(canCancel);
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &ProgressDialog::CancelRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
}

void ProgressDialog::reject() {
    // The window goes away only through Close; Escape just asks.
    if (m_canCancel) {
        emit CancelRequested();
    }
}

ProgressWindow::ProgressWindow(QWidget* parent) : m_parent(parent) {}

ProgressWindow::~ProgressWindow() {
    Close();
}

void ProgressWindow::Open(const std::string& title, bool canCancel) {
    Close();
    m_cancelled = false;
    m_state = store::ProgressState{};
    m_state.Open(title);
    m_dialog = new ProgressDialog(m_parent, canCancel);
    QObject::connect(m_dialog, &ProgressDialog::CancelRequested, [this]() { m_cancelled = true; });
    m_dialog->setWindowTitle(ToQString(m_state.WindowTitle()));
    ShowPosition(false);
    m_dialog->adjustSize();
    if (m_parent != nullptr) {
        const QRect area = m_parent->frameGeometry();
        m_dialog->move(area.center() - m_dialog->rect().center());
    }
    m_dialog->show();
    m_dialog->raise();
    RepaintWindows();
}

void ProgressWindow::SetRange(int lower, int upper) {
    m_state.SetRange(lower, upper);
    ShowPosition(false);
}

void ProgressWindow::SetStep(int step) {
    m_state.SetStep(step);
}

void ProgressWindow::SetText(const std::string& text) {
    if (m_dialog != nullptr) {
        m_dialog->text()->setText(ToQString(text));
    }
}

void ProgressWindow::Step() {
    ShowPosition(m_state.Step());
}

void ProgressWindow::SetPosition(int position) {
    ShowPosition(m_state.SetPosition(position));
}

void ProgressWindow::Pump() {
    PumpEvents(0);
}

void ProgressWindow::Close() {
    delete m_dialog.data();
    m_dialog = nullptr;
}

QDialog* ProgressWindow::window() const {
    return m_dialog.data();
}

void ProgressWindow::ShowPosition(bool titleChanged) {
    if (m_dialog == nullptr) {
        return;
    }
    QProgressBar* bar = m_dialog->bar();
    // QProgressBar wants lower <= upper; an inverted range shows an empty bar.
    const int lower = std::min(m_state.lower(), m_state.upper());
    const int upper = std::max(m_state.lower(), m_state.upper());
    bar->setRange(lower, std::max(upper, lower + 1));
    bar->setValue(std::clamp(m_state.position(), lower, std::max(upper, lower + 1)));
    if (titleChanged) {
        m_dialog->setWindowTitle(ToQString(m_state.WindowTitle()));
    }
}

}  // namespace quorvex::ui
