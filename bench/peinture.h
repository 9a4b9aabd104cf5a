#pragma once

class QWidget;

// For bench/run.sh: once `ecran` has been painted for the first time, prints
// "peint <microseconds since the epoch>" on stdout; half a second later,
// once whatever loads in the background has settled, prints
// "rss <peak resident kB>" and quits the application.
void signalerPremierePeinture(QWidget* ecran);

// Prints "etape <name> <microseconds since the epoch>": where start-up time goes.
void signalerEtape(const char* nom);
