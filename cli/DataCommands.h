#pragma once

#include "cli/CliContext.h"

// data [--json]: runs start-up on the program and user folders as the editor does.
// Each failing file's message goes to err; the status texts, the catalogue
// entries per kind, the abilities per group, the quadrant and system type
// names and the other counts go to out, as text or as one JSON object.
// 0 when every file was read, 1 otherwise.
int RunDataCommand(const CliContext& context);

// catalog: lists the stellar object catalogue, one entry per line (ordinal,
// name, physical type, size, subtype, atmosphere, colour, picture, separated
// by tabs). 0 when the catalogue file was read.
int RunCatalogCommand(const CliContext& context);
