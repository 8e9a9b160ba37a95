#pragma once

#include "ui/dialogs/ObjectDialog.h"

// "Planet": name, sector, size, type, atmosphere, resources and environment.
class FPlanet : public ObjectDialog {
public:
    explicit FPlanet(const DialogLinks& links, QWidget* parent = nullptr);
    void LoadFields() override;

    QLineEdit* TxtPlanetName;
    QLineEdit* txtPlanetX;
    QLineEdit* txtPlanetY;
    QComboBox* cmbPlanetSize;
    QComboBox* cmbPlanetType;
    QComboBox* cmbPlanetAtmosphere;
    QLineEdit* TxtPlanetMinerals;
    QLineEdit* TxtPlanetOrganics;
    QLineEdit* TxtPlanetRadioactives;
    QLineEdit* TxtPlanetGravity;
    QLineEdit* TxtPlanetTemperature;
    QLineEdit* TxtPlanetCondition;
    QLineEdit* TxtPlanetRadiation;
    QPushButton* cmdRandomPlanet;

protected:
    TypeChoice CurrentChoice() const override;
    std::string FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const override;
    void WriteFields(CurrentObjectRecord& current) const override;

private:
    PlanetFields Fields() const;
    void FillRandom();
};

// "Asteroids": name, sector, size, type and resources of an asteroid field.
class FAsteroid : public ObjectDialog {
public:
    explicit FAsteroid(const DialogLinks& links, QWidget* parent = nullptr);
    void LoadFields() override;

    QLineEdit* TxtAstName;
    QLineEdit* TxtAstX;
    QLineEdit* TxtAstY;
    QComboBox* CmbAstSize;
    QComboBox* cmbAstType;
    QLineEdit* TxtAstMinerals;
    QLineEdit* TxtAstOrganics;
    QLineEdit* TxtAstRadioactives;
    QPushButton* cmdRandomAst;

protected:
    TypeChoice CurrentChoice() const override;
    std::string FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const override;
    void WriteFields(CurrentObjectRecord& current) const override;

private:
    AsteroidFields Fields() const;
    void FillRandom();
};
