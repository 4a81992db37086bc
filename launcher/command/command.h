// Command resolution and launching.
#pragma once

// Opens an occupied slot's target from its working folder: 1, or 0 when the slot is free.
int LaunchSlot(int slot);
