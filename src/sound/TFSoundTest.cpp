#include "TFSoundTest.h"

#include "ControlNames.h"
#include "NamedChild.h"
#include "SoundSequence.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFSoundTest::TFSoundTest()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , PB1(makeNamed<QProgressBar>(this, u"PB1"_s))
{
    setObjectName(u"FSoundTest"_s);
    setWindowTitle(u"Testing..."_s);
    PB1->setRange(0, SoundSequence::EntryCount);
    PB1->setTextVisible(false);
    ControlNames::name(PB1, windowTitle());
    setCursor(Qt::WaitCursor);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(PB1);
    setFixedSize(260, 48);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFSoundTest::begin()
{
    PB1->setValue(0);
    show();
}

void TFSoundTest::showChecked(int count)
{
    PB1->setValue(count);
    repaint();
}
