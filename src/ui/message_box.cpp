#include "ui/message_box.h"

#include <QMessageBox>

#include "ui/text_codec.h"

namespace quorvex::ui {
namespace {

QMessageBox::Icon BoxIcon(store::MessageIcon icon) {
    switch (icon) {
        case store::MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case store::MessageIcon::Stop:
            return QMessageBox::Critical;
        case store::MessageIcon::Information:
            return QMessageBox::Information;
        case store::MessageIcon::Question:
            return QMessageBox::Question;
        case store::MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void ShowMessageBox(QWidget* parent, const std::string& text, store::MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromLatin1(store::kMessageCaption), ToQString(text),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool AskYesNoBox(QWidget* parent, const std::string& text, store::MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromLatin1(store::kMessageCaption),
                    ToQString(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxFeedback::ShowMessage(const std::string& text, store::MessageIcon icon) {
    ShowMessageBox(m_parent, text, icon);
}

bool MessageBoxFeedback::AskYesNo(const std::string& text) {
    return AskYesNoBox(m_parent, text);
}

}  // namespace quorvex::ui
