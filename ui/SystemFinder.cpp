#include "ui/SystemFinder.h"

#include <vector>

#include "model/CUniverse.h"
#include "text/TextHelpers.h"
#include "ui/MessageBoxPrompts.h"

namespace {

QString ShownName(const SystemRef& system) { return FromBytes(Trim(system->name)); }

}  // namespace

QStringList SystemNames(const CUniverse& universe) {
    QStringList names;
    for (const SystemRef& system : universe.Systems()) names << ShownName(system);
    names.sort(Qt::CaseInsensitive);
    return names;
}

FoundSystem FindSystemNamed(const CUniverse& universe, const QString& typed) {
    const QString wanted = typed.trimmed();
    if (wanted.isEmpty()) return {nullptr, QStringLiteral("Type the name of a system to find it")};
    std::vector<SystemRef> containing;
    for (const SystemRef& system : universe.Systems()) {
        const QString name = ShownName(system);
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return {system, {}};
        if (name.contains(wanted, Qt::CaseInsensitive)) containing.push_back(system);
    }
    if (containing.size() == 1) return {containing.front(), {}};
    if (containing.empty()) return {nullptr, QString("No system named \"%1\" in this map").arg(wanted)};
    return {nullptr, QString("\"%1\" is part of %2 system names: choose one from the list").arg(wanted).arg(containing.size())};
}
