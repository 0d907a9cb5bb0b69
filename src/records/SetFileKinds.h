#pragma once

#include <string_view>

#include "records/Evaluation.h"

namespace fw {

// The kind of a set's file, told from its first entries (a byte order mark already removed):
// airports when most of its first entries do not start with "AC#"; else flight plans when any of
// them gives a flight rule as fifth field (an aircraft entry never does, and a mistyped rule
// must not turn a flight plan into an aircraft file), else aircraft.
SetFileKind SetFileKindOf(std::string_view bytes);

}  // namespace fw
