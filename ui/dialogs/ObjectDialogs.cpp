#include "ui/dialogs/ObjectDialogs.h"

ObjectDialogs::ObjectDialogs(const DialogLinks& links, QWidget* parent)
    : Star(links, parent), Planet(links, parent), Asteroid(links, parent), Storm(links, parent), Warp(links, parent),
      l_(links) {}

void ObjectDialogs::Show(const DialogFlags& flags) {
    if (flags.Star) ShowOne(Star);
    if (flags.Planet) ShowOne(Planet);
    if (flags.Asteroid) ShowOne(Asteroid);
    if (flags.Storm) ShowOne(Storm);
    if (flags.Warp) ShowOne(Warp);
}

void ObjectDialogs::ShowOne(ObjectDialog& dialog) {
    if (!l_.editor.ObjectDialogAllowed) return;
    dialog.LoadFields();
    l_.prompts.ExecDialog(dialog);
}
