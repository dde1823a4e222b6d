#pragma once

#include <QtGlobal>

// The settings every window reads and changes while the program runs; they
// are read once at start-up and written back when the program quits.
// Colours hold red in the lowest byte, then green, then blue.
struct AppSettings
{
    static constexpr int DefaultColor = 32647; // red 135, green 127, blue 0

    qint8 Timer1 = 3;   // think time in seconds, 1 to 15
    qint8 Timer2 = 1;   // answer display time, track bar position 1 to 4
    qint8 Bouton = 1;   // sound set: 0 no sound, 1 to 5
    qint8 Range = 1;    // smallest multiplicator, 1 to 12
    bool Inversion = false;
    bool Jauge = true;
    bool HideTextLeft = false;
    bool HideTextRight = false;
    int Couleur = DefaultColor;
    int CalcColor = DefaultColor;
};
