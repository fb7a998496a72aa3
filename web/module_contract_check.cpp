// Compiled into the calculation module only for the static_asserts of the generated header: the
// answers' layout that module_contract.js gives the page's scripts is the one the compiler made.
#include "module_contract.h"  // IWYU pragma: keep
