#include "TFAbout.h"

#include "Artwork.h"

#include <QFrame>
#include <QLabel>

#ifndef NUMERILLO_VERSION_MAJOR
#define NUMERILLO_VERSION_MAJOR 0
#define NUMERILLO_VERSION_MINOR 0
#define NUMERILLO_VERSION_PATCH 0
#define NUMERILLO_VERSION_TWEAK 0
#endif

namespace {

QLabel *placedLabel(QWidget *parent, const char *name, int x, int y)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    return label;
}

QFrame *bevel(QWidget *parent, const char *name, int y)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, y, 265, 2);
    return line;
}

} // namespace

TFAbout::TFAbout()
{
    setWindowTitle(QStringLiteral("About Numerillo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(281, 266);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(225, 225, 225)));

    placedLabel(this, "Image1", 56, 8)->resize(160, 45);

    QLabel *purpose = placedLabel(this, "Label1", 51, 54);
    purpose->setText(QStringLiteral("Learn and Drill Multiplication Tables"));
    purpose->setFont(QFont(QStringLiteral("Arial"), 8));
    purpose->setStyleSheet(QStringLiteral("color: navy;"));
    purpose->adjustSize();
    bevel(this, "Bevel1", 72);

    QLabel *version = placedLabel(this, "Label2", 16, 84);
    version->setFont(QFont(QStringLiteral("Arial"), 10));
    version->setText(versionLine(NUMERILLO_VERSION_MAJOR, NUMERILLO_VERSION_MINOR,
                                 NUMERILLO_VERSION_PATCH, NUMERILLO_VERSION_TWEAK));
    version->adjustSize();
    bevel(this, "Bevel2", 224);

    QLabel *notice = placedLabel(this, "Label8", 8, 230);
    notice->setFont(QFont(QStringLiteral("Arial"), 9));
    notice->setStyleSheet(QStringLiteral("color: gray;"));
    notice->setWordWrap(true);
    notice->setFixedWidth(265);
    notice->setText(QStringLiteral("Made with care by the Numerillo developers.\n"
                                   "Free to use at home and at school."));
    notice->adjustSize();
}

// The logo is drawn when the box is first shown, not while the program starts.
void TFAbout::showEvent(QShowEvent *event)
{
    auto *image = findChild<QLabel *>(QStringLiteral("Image1"));
    if (image->pixmap().isNull())
        image->setPixmap(Artwork::logo(image->size()));
    QDialog::showEvent(event);
}

QString TFAbout::versionLine(int major, int minor, int release, int build)
{
    return QStringLiteral("Version: %1.%2.%3     Build: %4").arg(major).arg(minor).arg(release).arg(build);
}
