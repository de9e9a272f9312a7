#include "platform/ui/CheckedInput.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStyle>

namespace tj::ui {

void InputWhileChecked(QCheckBox* check, QWidget* box)
{
    auto apply = [box](bool on) {
        if (auto* edit = qobject_cast<QLineEdit*>(box)) {
            edit->setReadOnly(!on);
            QPalette p = edit->palette();
            p.setColor(QPalette::Base, on ? edit->style()->standardPalette().color(QPalette::Base)
                                          : edit->style()->standardPalette().color(QPalette::Button));
            edit->setPalette(p);
        } else {
            box->setEnabled(on);
        }
    };
    apply(check->isChecked());
    QObject::connect(check, &QCheckBox::toggled, box, [box, apply](bool on) {
        apply(on);
        if (on)
            box->setFocus(Qt::OtherFocusReason);
    });
}

}  // namespace tj::ui
