#pragma once

#include <memory>

#include "ui/DialogFactory.h"
#include "ui/EditorParts.h"
#include "ui/editing/AbilityChoice.h"
#include "ui/editing/EditingCatalogue.h"

class MapEditorHost;

// What the object dialogs and the system map editing share: the ability
// slots of the object being edited and the catalogues as editing sees them.
class ObjectEditingShared {
public:
    AbilityChoice abilities;

    // The window's catalogues, unless another view was put in their place.
    const EditingCatalogue& Catalogue(MapEditorHost& host);
    void UseCatalogue(std::unique_ptr<EditingCatalogue> catalogue) { catalogue_ = std::move(catalogue); }

private:
    std::unique_ptr<EditingCatalogue> catalogue_;
};

// Builds the star, planet, asteroid, storm, warp and abilities dialogs.
class ObjectDialogFactory : public DialogFactory {
public:
    explicit ObjectDialogFactory(std::shared_ptr<ObjectEditingShared> shared) : shared_(std::move(shared)) {}
    std::unique_ptr<QDialog> Create(DialogKind kind, MapEditorHost& host) override;

private:
    std::shared_ptr<ObjectEditingShared> shared_;
};

// The object dialogs' factory and the system map editing, sharing one state.
std::unique_ptr<DialogFactory> MakeObjectParts(EditorParts& parts,
                                               std::shared_ptr<ObjectEditingShared> shared =
                                                   std::make_shared<ObjectEditingShared>());
