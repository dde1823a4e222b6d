#include "Artwork.h"
#include "AudioSystem.h"
#include "BackgroundStart.h"
#include "LoadedAudioDevice.h"
#include "LoadedPrintOutput.h"
#include "PrintSystem.h"
#include "ProgramStyle.h"
#include "SheetCommand.h"
#include "SheetCommandLine.h"
#include "WindowSet.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QTextStream>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QStringList arguments(int argc, char *argv[])
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// The command line reports its own errors, one line each; Qt's notes on the
// environment would only be noise there.
void quietNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << u'\n';
}

// Worksheets written to a PDF file need fonts but no display and no window.
int runSheetCommand(int argc, char *argv[])
{
    qInstallMessageHandler(quietNotes);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return SheetCommand::run(QCoreApplication::applicationDirPath() + u'/', arguments(argc, argv), out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    if (SheetCommandLine::isRequested(arguments(argc, argv)))
        return runSheetCommand(argc, argv);

#ifdef __GLIBC__
    // The font thread's heap would otherwise grow a page or two at a time, and
    // each step holds the address-space lock the main thread needs while it
    // loads libraries; growing every heap a megabyte at a time avoids that.
    mallopt(M_TOP_PAD, 1 << 20);
#endif
    // Fonts and the logo take a few milliseconds that need not hold up the
    // connection to the display and the building of the windows.
    BackgroundStart background;
    // The menus are drawn in the window; asking the desktop for a global menu
    // bar only slows the start.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    background.applicationStarted();
    const auto backgroundEnded = qScopeGuard([&background] { background.finish(); });
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
    LoadedPrintOutput printing(QCoreApplication::applicationDirPath() + u"/numerillo-print"_s);
    PrintSystem::install(&printing);

    WindowSet windows(QCoreApplication::applicationDirPath());
    if (!windows.start())
        return 1;
    return application.exec();
}
