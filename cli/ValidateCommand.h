#pragma once

#include "cli/CliContext.h"

// validate MAP.txt [--json]: one line per problem of the map ("error: ..." or
// "warning: ..."), then "N errors, M warnings"; with --json a JSON array of
// the problems instead. Exit 1 when the map has an error or cannot be read.
int RunValidateCommand(const CliContext& context);
