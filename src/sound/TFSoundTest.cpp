#include "TFSoundTest.h"

#include "SoundSequence.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TFSoundTest::TFSoundTest(WindowSet &)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , PB1(new QProgressBar(this))
{
    setObjectName(QStringLiteral("FSoundTest"));
    PB1->setObjectName(QStringLiteral("PB1"));
    setWindowTitle(QStringLiteral("Testing..."));
    PB1->setRange(0, SoundSequence::EntryCount);
    PB1->setTextVisible(false);
    setCursor(Qt::WaitCursor);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(PB1);
    setFixedSize(260, 48);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
