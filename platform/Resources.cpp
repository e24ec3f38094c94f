#include "platform/Resources.h"

const EmbeddedResource* FindBitmapResource(UINT id)
{
    std::size_t count = 0;
    const EmbeddedResource* table = EmbeddedBitmaps(count);
    for (std::size_t i = 0; i < count; ++i)
        if (table[i].id == id)
            return &table[i];
    return nullptr;
}
