// Event groups that have no handlers yet.
#include "window/form1.h"

