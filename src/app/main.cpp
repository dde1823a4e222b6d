#include "Artwork.h"
#include "AudioSystem.h"
#include "LoadedAudioDevice.h"
#include "ProgramStyle.h"
#include "WindowSet.h"

#include <QApplication>
#include <QFont>

#include <fontconfig/fontconfig.h>

#include <thread>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // Reading the system's font configuration takes a few milliseconds; it
    // runs while the application connects to the display.
    std::thread fontConfiguration(FcInit);
    // The menus are drawn in the window; asking the desktop for a global menu
    // bar only slows the start.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    fontConfiguration.join();
    application.setApplicationName(u"Numerillo"_s);
    application.setStyle(new ProgramStyle);
    // The title bar and the task bar show the icon of the desktop's menu.
    application.setWindowIcon(Artwork::windowIcon());
    // One face for every window: the drill window is set in Arial too.
    application.setFont(QFont(u"Arial"_s, 9));
    // The program ends only through the start window's quit steps.
    application.setQuitOnLastWindowClosed(false);

    LoadedAudioDevice audio(QCoreApplication::applicationDirPath() + u"/numerillo-audio"_s);
    AudioSystem::install(&audio);

    WindowSet windows(QCoreApplication::applicationDirPath());
    if (!windows.start())
        return 1;
    return application.exec();
}
