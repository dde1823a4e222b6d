// The start's background thread hands the start window a logo that is the
// one the window would draw itself, and never holds up the program's end.

#include "Artwork.h"
#include "BackgroundStart.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QTest>

class tst_BackgroundStart : public QObject
{
    Q_OBJECT

private slots:
    void theLogoDrawnInTheBackgroundIsTheLogo();
    void endsWhenTheApplicationNeverStarted();
};

void tst_BackgroundStart::theLogoDrawnInTheBackgroundIsTheLogo()
{
    BackgroundStart background;
    background.applicationStarted();
    const QImage handedOver = Artwork::logo(Artwork::LogoSize).toImage();
    background.finish();

    const QImage drawnHere = Artwork::logoImage(Artwork::LogoSize, qGuiApp->devicePixelRatio());
    QCOMPARE(handedOver.size(), Artwork::LogoSize);
    QCOMPARE(handedOver.convertToFormat(drawnHere.format()), drawnHere);
    // Something was drawn: the name's letters are not all one colour.
    QVERIFY(drawnHere.pixel(100, 20) != drawnHere.pixel(1, 1));
}

// A start that fails before the application exists still ends: the thread
// is not left waiting for it.
void tst_BackgroundStart::endsWhenTheApplicationNeverStarted()
{
    {
        BackgroundStart background;
    }
    BackgroundStart finishedTwice;
    finishedTwice.finish();
    finishedTwice.finish();
}

QTEST_MAIN(tst_BackgroundStart)
#include "tst_BackgroundStart.moc"
