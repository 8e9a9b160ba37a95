#include "ui/DialogKind.h"

DialogFlags DialogFlags::Only(DialogKind kind) {
    DialogFlags flags;
    switch (kind) {
    case DialogKind::System: flags.system = true; break;
    case DialogKind::Star: flags.star = true; break;
    case DialogKind::Planet: flags.planet = true; break;
    case DialogKind::Asteroid: flags.asteroid = true; break;
    case DialogKind::Storm: flags.storm = true; break;
    case DialogKind::Warp: flags.warp = true; break;
    default: break;
    }
    return flags;
}
