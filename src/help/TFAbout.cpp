#include "TFAbout.h"

#include "Artwork.h"
#include "NamedChild.h"
#include "ProgramVersion.h"

#include <QFrame>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

QLabel *placedLabel(QWidget *parent, const QString &name, int x, int y)
{
    auto *label = makeNamed<QLabel>(parent, name);
    label->move(x, y);
    return label;
}

QFrame *bevel(QWidget *parent, const QString &name, int y)
{
    auto *line = makeNamed<QFrame>(parent, name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, y, 265, 2);
    return line;
}

} // namespace

TFAbout::TFAbout()
{
    setWindowTitle(u"About Numerillo"_s);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(281, 266);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(225, 225, 225)));

    placedLabel(this, u"Image1"_s, 56, 8)->resize(160, 45);

    QLabel *purpose = placedLabel(this, u"Label1"_s, 51, 54);
    purpose->setText(u"Learn and Drill Multiplication Tables"_s);
    purpose->setFont(QFont(u"Arial"_s, 8));
    purpose->setStyleSheet(u"color: navy;"_s);
    purpose->adjustSize();
    bevel(this, u"Bevel1"_s, 72);

    QLabel *version = placedLabel(this, u"Label2"_s, 16, 84);
    version->setFont(QFont(u"Arial"_s, 10));
    version->setText(versionLine(ProgramVersion::Major, ProgramVersion::Minor, ProgramVersion::Release,
                                 ProgramVersion::Build));
    version->adjustSize();
    bevel(this, u"Bevel2"_s, 224);

    QLabel *notice = placedLabel(this, u"Label8"_s, 8, 230);
    notice->setFont(QFont(u"Arial"_s, 9));
    notice->setStyleSheet(u"color: gray;"_s);
    notice->setWordWrap(true);
    notice->setFixedWidth(265);
    notice->setText(u"Made with care by the Numerillo developers.\n"
                                   "Free to use at home and at school."_s);
    notice->adjustSize();
}

// The logo is drawn when the box is first shown, not while the program starts.
void TFAbout::showEvent(QShowEvent *event)
{
    auto *image = findChild<QLabel *>(u"Image1"_s);
    if (image->pixmap().isNull())
        image->setPixmap(Artwork::logo(image->size()));
    QDialog::showEvent(event);
}

QString TFAbout::versionLine(int major, int minor, int release, int build)
{
    return u"Version: %1.%2.%3     Build: %4"_s.arg(major).arg(minor).arg(release).arg(build);
}
