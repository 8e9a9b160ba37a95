#pragma once

#include "ui/dialogs/ObjectDialog.h"

// "Star": name, sector, colour, size and specific type of a star.
class FStar : public ObjectDialog {
public:
    explicit FStar(const DialogLinks& links, QWidget* parent = nullptr);
    void LoadFields() override;

    QLineEdit* TxtStarName;
    QLineEdit* TxtStarX;
    QLineEdit* TxtStarY;
    QComboBox* cmbstarColor;
    QComboBox* cmbStarSize;

protected:
    TypeChoice CurrentChoice() const override;
    std::string FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const override;
    void WriteFields(CurrentObjectRecord& current) const override;

private:
    StarFields Fields() const;
};

// "Storm": sector and specific type of a storm.
class FStorm : public ObjectDialog {
public:
    explicit FStorm(const DialogLinks& links, QWidget* parent = nullptr);
    void LoadFields() override;

    QLineEdit* txtStormX;
    QLineEdit* TxtStormY;
    // Offered for the look of it: its choice is neither checked nor stored,
    // and every storm type is listed whatever it shows.
    QComboBox* cmbStormColor;

protected:
    TypeChoice CurrentChoice() const override { return {}; }
    std::string FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const override;
    void WriteFields(CurrentObjectRecord& current) const override;

private:
    StormFields Fields() const;
};
