#include "oEvalError.h"

#include "oError.h"

void oEvalError::raise(const char* message) { throw oError(message, oError::evaluator); }
