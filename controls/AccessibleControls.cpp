// Accessible interfaces of TImgBtn, TFlatButton and TFlatRadioButton, which paint themselves and so are
// not known to Qt as buttons.
#include "controls/AccessibleControls.h"

#include "controls/ImgBtn.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatRadioButtonUnit.h"

#include <QAccessibleWidget>

namespace {

// A control that a press activates; its click runs as a mouse click would.
class AccessibleButton : public QAccessibleWidget {
  public:
    AccessibleButton(QWidget* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action != pressAction() || !widget()->isEnabled()) {
            return;
        }
        if (auto* imageButton = qobject_cast<TImgBtn*>(widget())) {
            imageButton->click();
        } else if (auto* flatButton = qobject_cast<TFlatButton*>(widget())) {
            flatButton->click();
        } else if (auto* radioButton = qobject_cast<TFlatRadioButton*>(widget())) {
            radioButton->setChecked(true);
        }
    }

    // A button with words on it is called by them unless it was given a name.
    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            if (const auto* flatButton = qobject_cast<const TFlatButton*>(widget())) {
                text = flatButton->Caption();
            }
        }
        return text;
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto* radioButton = qobject_cast<const TFlatRadioButton*>(widget())) {
            state.checkable = true;
            state.checked = radioButton->Checked();
        }
        return state;
    }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    auto* control = qobject_cast<QWidget*>(object);
    if (control == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("TImgBtn") || className == QLatin1String("TFlatButton")) {
        return new AccessibleButton(control, QAccessible::Button);
    }
    if (className == QLatin1String("TFlatRadioButton")) {
        return new AccessibleButton(control, QAccessible::RadioButton);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    (void)installed;
}
