#pragma once

#include <QUrl>

#include <functional>

// Mail and web addresses are handed to the system's own programs through
// here, never through a shell, so that tests can record them instead.
namespace SystemLinks {

using Handler = std::function<void(const QUrl &address)>;

void open(const QUrl &address);

// An empty handler brings back the system's programs.
void setHandler(Handler handler);

} // namespace SystemLinks
