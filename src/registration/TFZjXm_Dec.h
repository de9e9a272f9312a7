// Withdrawing combined items from the visits chosen in the item change window.
#pragma once

#include "registration/ItemChangeDialog.h"

namespace tj::registration {

class TFZjXm_Dec : public ItemChangeDialog {
    Q_OBJECT
public:
    explicit TFZjXm_Dec(QWidget* parent = nullptr);

public slots:
    void BtnOkClick() override;

protected:
    QString chooseStatement(int zhxmid) const override;
};

}  // namespace tj::registration
