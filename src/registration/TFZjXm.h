// Adding and removing items: finds visits by number, unit and registration
// day and hands the selected ones to the dialogs that add combined items to
// them or withdraw combined items from them.
#pragma once

#include "reports/QueryWindow.h"

#include <QStringList>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tj::registration {

class TFZjXm_Add;
class TFZjXm_Dec;

class TFZjXm : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFZjXm(QWidget* parent = nullptr);
    ~TFZjXm() override;

    QLineEdit* EdtTjhao = nullptr;
    QCheckBox* ChkDwei = nullptr;
    QPushButton* BtnAdd = nullptr;
    QPushButton* BtnDec = nullptr;
    // Made on first use, kept for the window's life.
    TFZjXm_Add* FrmAdd = nullptr;
    TFZjXm_Dec* FrmDec = nullptr;

    void FormShow() override;
    bool Search() override;
    // The examination numbers of the selected rows, in the grid's order.
    QStringList SelectedNumbers() const;

public slots:
    // Enter in the number box: the visit of exactly that number.
    void EdtTjhaoEnter();
    void BtnAddClick();
    void BtnDecClick();

private:
    // The selected numbers once the clerk confirmed the question ('%1': how
    // many); empty when none is selected (the warning shown) or he said No.
    QStringList ConfirmedNumbers(const QString& noneSelected, const QString& question);

    bool exactNumber_ = false;
};

}  // namespace tj::registration
