#include "platform/Backend.h"
#include "platform/Framework.h"

namespace {
IBackend* g_backend = nullptr;

time_seconds BackendTime()
{
    return g_backend->NowSeconds();
}
} // namespace

IBackend* GetBackend()
{
    return g_backend;
}

void SetBackend(IBackend* backend)
{
    g_backend = backend;
    // The calendar follows the backend's clock: a test's clock sets the date.
    SetTimeSource(backend ? &BackendTime : nullptr);
}

void Sleep(UINT ms)
{
    if (g_backend)
        g_backend->Sleep(ms);
}
