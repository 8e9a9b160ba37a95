#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <vector>

#include "model/CSpaceObject.h"

// The text the object selection dialog lists for an object.
std::string SelectionText(const CSpaceObject& object);

// "Select Object": picks one of several objects sharing a sector.
class FSelectObject : public QDialog {
public:
    explicit FSelectObject(const std::vector<SpaceObjectRef>& objects, QWidget* parent = nullptr);

    // The chosen position, set by OK (0 when nothing is chosen).
    std::int32_t Picked() const { return picked_; }

    QComboBox* cmbObject;
    QPushButton* cmdOk;
    QPushButton* cmdNo;

private:
    std::int32_t picked_ = 0;
};
