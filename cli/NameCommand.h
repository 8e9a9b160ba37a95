#pragma once

#include "cli/CliContext.h"

// name [--count N] [--seed S]: N names (1 by default) from the name rules
// file "rules.dat" of the program folder, one per line. 1 when the folder
// has no rules file or the file holds no rule; 2 for a bad count or seed.
int RunNameCommand(const CliContext& context);
