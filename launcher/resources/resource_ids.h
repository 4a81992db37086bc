// Resource numbers shared by the resource script and the code.
#pragma once

#define IDI_LAUNCHER 101
#define IDC_HAND_POINT 105
#define IDC_HAND_FRAME 108
