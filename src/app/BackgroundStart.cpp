#include "BackgroundStart.h"

#include "Artwork.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

BackgroundStart::BackgroundStart()
    : m_thread(&BackgroundStart::run, this)
{
}

BackgroundStart::~BackgroundStart()
{
    finish();
}

void BackgroundStart::applicationStarted()
{
    Artwork::expectLogo(Artwork::LogoSize, m_logo.get_future().share());
    m_started.set_value(qGuiApp->devicePixelRatio());
    m_startedSent = true;
}

void BackgroundStart::finish()
{
    if (!m_thread.joinable())
        return;
    if (!m_startedSent)
        m_started.set_value(std::nullopt);
    m_startedSent = true;
    m_thread.join();
}

// Font functions are safe on any thread, and so is painting on an image.
void BackgroundStart::run()
{
    FcInit();
    const std::optional<qreal> devicePixelRatio = m_startedSignal.get();
    if (!devicePixelRatio)
        return;
    QFontDatabase::families();
    m_logo.set_value(Artwork::logoImage(Artwork::LogoSize, *devicePixelRatio));
}
