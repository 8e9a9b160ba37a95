#pragma once

#include "cli/CliContext.h"

// check MAP.txt: loads the map and prints
// "N systems, M objects, W warp points, D dangling warps"; 1 with the
// loader's error on failure.
int RunCheckCommand(const CliContext& context);

// roundtrip IN.txt OUT.txt: loads IN and saves it as OUT; 0 only when OUT
// was written completely.
int RunRoundtripCommand(const CliContext& context);

// compile MAP.txt [MOD]: what the map compiler does, run on a file in place.
int RunCompileCommand(const CliContext& context);
