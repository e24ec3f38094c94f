// Everything the system's code uses of the framework, in one include.
#pragma once

#include "platform/CString.h"
#include "platform/CTime.h"
#include "platform/ClientDC.h"
#include "platform/Dc.h"
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "platform/MessageMap.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "platform/WinApp.h"
#include "platform/Wnd.h"

// Holds the thread for `ms` milliseconds; the window still shows what is
// copied to it meanwhile, but no input or timer tick is handled.
void Sleep(UINT ms);
