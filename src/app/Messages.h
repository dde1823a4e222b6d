#pragma once

#include "SafeFile.h"

#include <QString>

#include <functional>

// Every message box and yes/no question of the program, and the system beep,
// go through here, so that tests can record and answer them instead of
// blocking on a dialog.
namespace Messages {

enum class Kind { Information, Question, Beep };

// Returns the answer to a question; ignored for information.
using Handler = std::function<bool(Kind kind, const QString &text)>;

void show(const QString &text);
bool ask(const QString &text);
// The message of a failed write; nothing when the file was written.
void showFailure(SafeFile::Result result, const QString &path);
// The system's default beep.
void beep();

// An empty handler brings back the real message boxes.
void setHandler(Handler handler);

} // namespace Messages
