// Writes the program's icon into an icon theme folder laid out as the
// freedesktop "hicolor" theme, for a desktop's application menu:
//   numerillo-icons FOLDER
// makes FOLDER/<N>x<N>/apps/numerillo.png for N = 48, 64, 128 and
// FOLDER/scalable/apps/numerillo.svg.
#include "Artwork.h"
#include "SafeFile.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Writes THEME/SIZE/apps/numerillo.SUFFIX, making its folders.
bool writeIcon(const QString &theme, const QString &size, const QString &suffix,
               const QByteArray &bytes)
{
    const QString dir = theme + u'/' + size + u"/apps"_s;
    const QString file = dir + u"/numerillo."_s + suffix;
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "numerillo-icons: cannot make the folder %s\n", qPrintable(dir));
        return false;
    }
    const SafeFile::Result result = SafeFile::write(file, bytes);
    if (result == SafeFile::Result::Written)
        return true;
    std::fprintf(stderr, "numerillo-icons: %s\n", qPrintable(SafeFile::failureText(result, file)));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: numerillo-icons FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool written = writeIcon(folder, u"scalable"_s, u"svg"_s, Artwork::iconSvg());
    for (int size : {48, 64, 128}) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        Artwork::icon(size).save(&buffer, "PNG");
        written = writeIcon(folder, u"%1x%1"_s.arg(size), u"png"_s, png) && written;
    }
    return written ? 0 : 1;
}
