// The registration or About dialog opened last, which the tray menu brings forward.
#include "launcher/dialogs/dialogs.h"

namespace {

HWND activeDialog;

} // namespace

HWND ActiveDialog() { return activeDialog; }

void RecordActiveDialog(HWND dialog) { activeDialog = dialog; }
