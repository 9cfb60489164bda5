// Resource ids shared by the program's resource script and the windows.
// Plain definitions: the resource compiler reads this file too.
#pragma once

// The program's icon (16 x 16, 32 x 32 and 48 x 48): the lowest icon id, so
// also the icon of the program file.
#define TALLOWIN_IDI_PROGRAM 1
