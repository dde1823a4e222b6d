#pragma once

// What the record dialog chose to record: the next operations, the next
// errors, or nothing.
enum class RecordMode { Operations, Errors, Off };
