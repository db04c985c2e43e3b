#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace quorvex::ui {
namespace {

// Marks a name that came from the tooltip, so that it follows the tooltip and
// gives way to a caption set later; a name the code set on purpose stays.
constexpr char kNamedFromTip[] = "quorvexNameFromTip";

bool ShowsOnlyAPicture(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return QString(button->text()).remove(QLatin1Char('&')).trimmed().isEmpty();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text().trimmed().isEmpty() && !label->pixmap().isNull();
    }
    return false;
}

// Tooltips may be rich text or run over several lines; a name is one line.
QString NameFromTip(const QString& tip) {
    QString name = tip;
    if (Qt::mightBeRichText(name)) {
        name.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    }
    return name.simplified();
}

void Name(QWidget& widget) {
    const bool ours = widget.property(kNamedFromTip).toBool();
    if (!ours && !widget.accessibleName().isEmpty()) {
        return;
    }
    QString name = ShowsOnlyAPicture(widget) ? NameFromTip(widget.toolTip()) : QString();
    // The only button Qt puts into an edit box of ours is the one that empties it.
    if (name.isEmpty() && qobject_cast<QAbstractButton*>(&widget) != nullptr &&
        qobject_cast<QLineEdit*>(widget.parentWidget()) != nullptr) {
        name = QCoreApplication::translate("Quorvex", "Clear");
    }
    if (name.isEmpty() && !ours) {
        return;
    }
    widget.setAccessibleName(name);
    widget.setProperty(kNamedFromTip, !name.isEmpty());
}

class AccessibleNamer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::ToolTipChange || type == QEvent::Polish) && watched->isWidgetType()) {
            Name(*static_cast<QWidget*>(watched));
        }
        // The clear button of an edit box stays hidden, and so unpolished,
        // until there is text; a screen reader lists it all the same.
        if (type == QEvent::Polish && qobject_cast<QLineEdit*>(watched) != nullptr) {
            for (QAbstractButton* button :
                 watched->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
                Name(*button);
            }
        }
        return false;
    }
};

}  // namespace

void InstallAccessibleNames(QApplication& application) {
    application.installEventFilter(new AccessibleNamer(&application));
}

}  // namespace quorvex::ui
