// The program's string table, kept as data in res/.
#pragma once

#include "platform/Types.h"

// The text of string resource `id`, or null when there is none.
const char* FindStringResource(UINT id);
