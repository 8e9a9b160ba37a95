#include "ui/EditorParts.h"

#include <QDialog>

#include "ui/FSystem.h"
#include "ui/MapEditorHost.h"

namespace {

// The system dialog is the window's own; every other kind is handed on to
// the object dialogs' factory when there is one.
class StandardDialogFactory : public DialogFactory {
public:
    explicit StandardDialogFactory(std::unique_ptr<DialogFactory> objectDialogs)
        : objectDialogs_(std::move(objectDialogs)) {}

    std::unique_ptr<QDialog> Create(DialogKind kind, MapEditorHost& host) override {
        if (kind == DialogKind::System) return std::make_unique<FSystem>(host, host.DialogParent());
        return objectDialogs_ ? objectDialogs_->Create(kind, host) : nullptr;
    }

private:
    std::unique_ptr<DialogFactory> objectDialogs_;
};

}  // namespace

EditorParts StandardEditorParts() {
    EditorParts parts;
    // The object dialogs and the system map's editing logic plug in here.
    parts.dialogs = std::make_unique<StandardDialogFactory>(nullptr);
    return parts;
}
