#include "DeliveredProgram.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString SysDir = QString::fromUtf8(NUMERILLO_SOURCE_DIR "/data/sys/");

} // namespace

DeliveredProgram::DeliveredProgram(const QString &code)
{
    for (const QString &name : QDir(SysDir).entryList(QDir::Files)) {
        if (!name.endsWith(u".lng"_s) && !name.endsWith(u"OpSel.txt"_s) && !name.endsWith(u"-soundevents.txt"_s)
            && !name.startsWith(u"Sound"_s))
            continue;
        QFile file(SysDir + name);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("Cannot read the delivered %s", qPrintable(name));
        dir.write(u"sys/"_s + name, file.readAll());
    }
    dir.write(u"sys/multable.ini"_s, "[GLOBAL]\r\nLanguage=" + code.toLatin1() + "\r\n[SON]\r\nBouton=0\r\n");
    dir.write(u"sys/choices.txt"_s, "3\r\n7\r\n");
    windows = std::make_unique<WindowSet>(dir.path());
    if (!windows->create())
        qFatal("The program did not start");
}
