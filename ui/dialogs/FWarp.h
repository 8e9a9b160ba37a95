#pragma once

#include "ui/dialogs/ObjectDialog.h"

// "Warp Point": sector, size, specific type and destination of a warp point.
class FWarp : public ObjectDialog {
public:
    explicit FWarp(const DialogLinks& links, QWidget* parent = nullptr);
    void LoadFields() override;

    QLineEdit* txtWarpX;
    QLineEdit* TxtWarpY;
    QComboBox* cmbWarpDestination;
    QLineEdit* TxtWarpDestX;
    QLineEdit* TxtWarpDestY;
    QComboBox* cmbWarpSize;

protected:
    TypeChoice CurrentChoice() const override { return {"", TextOf(cmbWarpSize), "", ""}; }
    std::string FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const override;
    void WriteFields(CurrentObjectRecord& current) const override;

private:
    WarpFields Fields() const;
};
