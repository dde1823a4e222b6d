#pragma once

#include <QtGlobal>

// The program's one pseudo-random generator, seeded once at start-up; the
// drill and the worksheets draw from it, and tests seed it.
namespace Random {

void seed(quint32 value);
void seedFromClock();

// A uniform whole number from 0 to n - 1; 0 when n is below 1.
int below(int n);

} // namespace Random
