#include "ui/editing/ObjectEditingParts.h"

#include "catalog/GameData.h"
#include "ui/MapEditorHost.h"
#include "ui/dialogs/FAbilities.h"
#include "ui/dialogs/FPlanet.h"
#include "ui/dialogs/FStar.h"
#include "ui/dialogs/FWarp.h"
#include "ui/editing/GameDataCatalogue.h"
#include "ui/editing/SystemMapEditing.h"

namespace {

template <class Dialog>
std::unique_ptr<QDialog> Opened(const DialogLinks& links, QWidget* parent) {
    auto dialog = std::make_unique<Dialog>(links, parent);
    dialog->LoadFields();
    return dialog;
}

}  // namespace

const EditingCatalogue& ObjectEditingShared::Catalogue(MapEditorHost& host) {
    if (!catalogue_) catalogue_ = std::make_unique<GameDataCatalogue>(host.Data(), host.Prompts());
    return *catalogue_;
}

std::unique_ptr<QDialog> ObjectDialogFactory::Create(DialogKind kind, MapEditorHost& host) {
    const DialogLinks links{host.Shared(), host.DialogCallbacks(), host.Prompts(), shared_->Catalogue(host),
                            shared_->abilities, host.Random(), host.Universe()};
    QWidget* parent = host.DialogParent();
    switch (kind) {
        case DialogKind::Star: return Opened<FStar>(links, parent);
        case DialogKind::Planet: return Opened<FPlanet>(links, parent);
        case DialogKind::Asteroid: return Opened<FAsteroid>(links, parent);
        case DialogKind::Storm: return Opened<FStorm>(links, parent);
        case DialogKind::Warp: return Opened<FWarp>(links, parent);
        case DialogKind::Abilities: {
            auto dialog = std::make_unique<FAbilities>(shared_->abilities, parent);
            dialog->LoadLists();
            return dialog;
        }
        default: return nullptr;
    }
}

std::unique_ptr<DialogFactory> MakeObjectParts(EditorParts& parts, std::shared_ptr<ObjectEditingShared> shared) {
    parts.makeObjectEditing = [shared](MapEditorHost& host) -> std::unique_ptr<ObjectEditing> {
        return std::make_unique<SystemMapEditing>(host, shared->abilities, shared->Catalogue(host));
    };
    return std::make_unique<ObjectDialogFactory>(shared);
}
