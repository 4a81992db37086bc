// Call points of subsystems that are not built yet. Each does nothing and reports nothing done;
// the subsystem that owns it replaces its entry here.
#include "launcher/shell/shell.h"
