#pragma once

#include <QImage>

#include <future>
#include <optional>
#include <thread>

// The slow first steps of the start that need no window, run on a thread of
// their own: reading the system's font configuration while the application
// connects to the display, then listing the fonts and drawing the logo while
// the main thread builds the windows.
class BackgroundStart
{
public:
    BackgroundStart();
    ~BackgroundStart();

    // Goes on with the fonts and the logo, which need the application.
    void applicationStarted();
    // Waits for the thread, which must end before the application does.
    void finish();

private:
    void run();

    // Empty when the application never started.
    std::promise<std::optional<qreal>> m_started;
    std::future<std::optional<qreal>> m_startedSignal = m_started.get_future();
    bool m_startedSent = false;
    std::promise<QImage> m_logo;
    std::thread m_thread;
};
