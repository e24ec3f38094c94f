// Entry point of the real program: the Qt application, the window backend,
// then the application object takes over.
#include <QApplication>

#include "platform/WinApp.h"
#include "platform/qt/BenchAutostart.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtLook.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tervan"));
    QApplication::setApplicationVersion(QStringLiteral(TERVAN_VERSION));
    // Desktops match the window to res/tervan.desktop by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tervan"));

    QtBackend backend;
    SetBackend(&backend);
    QApplication::setWindowIcon(QtLook::AppIcon());
    InstallBenchAutostart(backend);
    return AfxWinMain();
}
