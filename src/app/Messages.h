#pragma once

#include <QString>

#include <functional>

// Every message box and yes/no question of the program goes through here, so
// that tests can record and answer them instead of blocking on a dialog.
namespace Messages {

enum class Kind { Information, Question };

// Returns the answer to a question; ignored for information.
using Handler = std::function<bool(Kind kind, const QString &text)>;

void show(const QString &text);
bool ask(const QString &text);

// An empty handler brings back the real message boxes.
void setHandler(Handler handler);

} // namespace Messages
