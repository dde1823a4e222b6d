#pragma once

class History;

namespace HistorySaving {

// Saves the answers not yet in the history file (when the drill window
// closes and when the program quits). A failure is told with the message of
// the other files; the answers then stay unsaved for the next try.
bool save(History &history);

} // namespace HistorySaving
