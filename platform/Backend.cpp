#include "platform/Backend.h"
#include "platform/Framework.h"

namespace {
IBackend* g_backend = nullptr;
}

IBackend* GetBackend()
{
    return g_backend;
}

void SetBackend(IBackend* backend)
{
    g_backend = backend;
}

void Sleep(UINT ms)
{
    if (g_backend)
        g_backend->Sleep(ms);
}
