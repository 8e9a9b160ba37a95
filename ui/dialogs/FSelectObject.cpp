#include "ui/dialogs/FSelectObject.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "model/CSystem.h"
#include "ui/DialogParts.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/TabOrder.h"

std::string SelectionText(const CSpaceObject& object) {
    switch (object.Tipo) {
        case KindStar: return "Star " + object.name;
        case KindWarpPoint: return "Warp Point to " + (object.destSystem ? object.destSystem->name : std::string());
        case KindStorm: return "Storm";
        case KindPlanet: return "Planet " + object.name;
        case KindAsteroids: return "Asteroids " + object.name;
        default: return object.name;
    }
}

FSelectObject::FSelectObject(const std::vector<SpaceObjectRef>& objects, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Select Object");
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    cmbObject = new QComboBox(this);
    for (const SpaceObjectRef& object : objects) cmbObject->addItem(FromBytes(SelectionText(*object)));
    cmbObject->setCurrentIndex(objects.empty() ? -1 : 0);
    form->addRow("Object:", cmbObject);
    const OkCancelRow buttons = AddOkCancelRow(this, outer, [this] {
        picked_ = cmbObject->currentIndex() < 0 ? 0 : cmbObject->currentIndex();
        accept();
    });
    cmdOk = buttons.cmdOk;
    cmdNo = buttons.cmdNo;
    OrderTabsByLayout(this);
}
