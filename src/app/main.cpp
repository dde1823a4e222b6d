#include "AudioSystem.h"
#include "PortAudioDevice.h"
#include "ProgramStyle.h"
#include "TFStart.h"
#include "WindowSet.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The menus are drawn in the window; asking the desktop for a global menu
    // bar only slows the start.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Numerillo"));
    application.setStyle(new ProgramStyle);
    // One face for every window: the drill window is set in Arial too.
    application.setFont(QFont(QStringLiteral("Arial"), 9));
    // The program ends only through the start window's quit steps.
    application.setQuitOnLastWindowClosed(false);

    PortAudioDevice audio;
    AudioSystem::install(&audio);

    WindowSet windows(QCoreApplication::applicationDirPath());
    if (!windows.create())
        return 1;
    windows.FStart->showAndActivate();
    return application.exec();
}
