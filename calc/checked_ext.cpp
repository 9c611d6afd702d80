#include "calc/checked_ext.h"

#include "calc/errors.h"

namespace parcyl {

// Out of line: building an error is the rare way out of a formula.
void RaiseInvalidOp() { throw EInvalidOp(); }
void RaiseZeroDivide() { throw EZeroDivide(); }
void RaiseOverflow() { throw EOverflow(); }

}  // namespace parcyl
