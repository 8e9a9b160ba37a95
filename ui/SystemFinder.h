#pragma once

#include <QString>
#include <QStringList>

#include "model/CSystem.h"

class CUniverse;

// Finding a system by the name a user types: the whole name in any case, or
// else the one system whose name contains the text.
struct FoundSystem {
    SystemRef system;  // null when none or more than one fits
    QString message;   // why nothing was found; empty when one was
};

// The systems' names (trimmed) in a case-blind alphabetical order, for completion.
QStringList SystemNames(const CUniverse& universe);
FoundSystem FindSystemNamed(const CUniverse& universe, const QString& typed);
