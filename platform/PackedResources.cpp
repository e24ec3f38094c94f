#include "platform/PackedResources.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GZIP_H

#include <cstdlib>
#include <memory>

namespace {

void* Allocate(FT_Memory, long size)
{
    return std::malloc(static_cast<std::size_t>(size));
}

void Free(FT_Memory, void* block)
{
    std::free(block);
}

void* Reallocate(FT_Memory, long, long newSize, void* block)
{
    return std::realloc(block, static_cast<std::size_t>(newSize));
}

} // namespace

bool Unpack(const unsigned char* packed, std::size_t size, std::vector<unsigned char>& out,
            std::size_t unpackedSize)
{
    // FreeType's inflate takes its working memory through an FT_Memory; no
    // FT_Library is needed for it.
    FT_MemoryRec_ memory{nullptr, Allocate, Free, Reallocate};
    out.assign(unpackedSize, 0);
    FT_ULong length = unpackedSize;
    const FT_Error error = FT_Gzip_Uncompress(&memory, out.data(), &length, packed, size);
    if (error != 0 || length != unpackedSize) {
        out.clear();
        return false;
    }
    return true;
}

std::vector<EmbeddedResource> UnpackResources(const PackedResource* packed, std::size_t count)
{
    // Each resource's bytes in a block of their own, which never moves.
    static std::vector<std::unique_ptr<std::vector<unsigned char>>> store;
    std::vector<EmbeddedResource> table;
    for (std::size_t i = 0; i < count; ++i) {
        auto bytes = std::make_unique<std::vector<unsigned char>>();
        if (!Unpack(packed[i].data, packed[i].size, *bytes, packed[i].unpackedSize))
            continue;
        table.push_back({packed[i].id, bytes->data(), bytes->size()});
        store.push_back(std::move(bytes));
    }
    return table;
}
