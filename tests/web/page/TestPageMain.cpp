// Entry point of the test page: the shipped page's, with the test hooks
// installed before the program starts.
#include "TestHooks.h"
#include "platform/web/WebBackend.h"

int main()
{
    static WebBackend backend;
    InstallTestHooks(backend);
    backend.Run();
    return 0;
}
