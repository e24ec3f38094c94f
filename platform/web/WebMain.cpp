// Entry point of the browser version: the page's backend, on which the
// application object runs.
#include "platform/web/WebBackend.h"

int main()
{
    // Lives as long as the page: the program's windows refer to it.
    static WebBackend backend;
    backend.Run();
    return 0;
}
