// Entry point of the real program: the Qt application, the window backend,
// then the application object takes over.
#include <QApplication>

#include "platform/ApplicationResources.h"
#include "platform/WinApp.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtLook.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The application object, a global, has handed its resources over.
    const ApplicationResources& resources = GetApplicationResources();
    QApplication::setApplicationName(QString::fromUtf8(resources.name));
    QApplication::setApplicationVersion(QString::fromUtf8(resources.version));
    // Desktops match the windows to the program's desktop entry by this name.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(resources.desktopEntry));

    QtBackend backend;
    SetBackend(&backend);
    QApplication::setWindowIcon(QtLook::AppIcon());
    return AfxWinMain();
}
