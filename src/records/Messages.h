#pragma once

#include "platform/Message.h"
#include "platform/Result.h"
#include "records/Operation.h"
#include "records/Validation.h"

namespace fw {

// The box that tells an operation's outcome: its success text, or its failure text, CR LF and
// the failure's description.
Message OutcomeMessage(Operation operation, const Result<Completed>& outcome);

// The warning that says why names or numbers may not be used.
Message InvalidMessage(const Invalid& invalid);

}  // namespace fw
