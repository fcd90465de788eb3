// Resource numbers shared by the Win32 window's resource script and its code; plain defines,
// so that the resource compiler reads them too.
#pragma once

#define IDR_CYLINDER_DRAWING 101
