// Adding combined items, with price, discount and received amount, to the
// visits chosen in the item change window.
#pragma once

#include "platform/ui/WorkingTableEditor.h"
#include "registration/ItemChangeDialog.h"

namespace tj::registration {

class TFZjXm_Add : public ItemChangeDialog {
    Q_OBJECT
public:
    explicit TFZjXm_Add(QWidget* parent = nullptr);

    ui::WorkingTableEditor* Editor = nullptr;

public slots:
    void BtnOkClick() override;

protected:
    QString chooseStatement(int zhxmid) const override;

private:
    // Enter in the 折扣 and 实收 cells works out the row.
    bool EnterOnRow(const ui::WorkingTableEditor::Enter& e);
};

}  // namespace tj::registration
