// The program's string table.
#include "platform/StringTable.h"

const char* FindStringResource(UINT id)
{
    switch (id) {
    case 101:
        return "Acerca de Tervan";
    default:
        return nullptr;
    }
}
