// Entry point of the browser version: the page's backend, then the
// application object takes over. When it returns the practical is over,
// and the page says so.
#include "platform/WinApp.h"
#include "platform/web/PageBridge.h"
#include "platform/web/TestHooks.h"
#include "platform/web/WebBackend.h"

int main()
{
    // Lives as long as the page: the program's windows refer to it.
    static WebBackend backend;
    SetBackend(&backend);
    InstallTestHooks(backend);
    AfxWinMain();
    tervan_set_work_at_risk(0);
    tervan_program_ended();
    return 0;
}
