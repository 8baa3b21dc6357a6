#pragma once

#include <cstdint>

class cTable;

/// Start-up against the bare window program, each run several times in
/// processes of their own; prints its rows and returns the bare program's
/// median peak resident size in kibibytes, the floor of the memory rows.
int64_t reportStartup(cTable& table, int runs);
