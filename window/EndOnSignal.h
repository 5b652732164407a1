// Ending the program from outside: SIGTERM (a shutdown, kill), SIGINT
// (Ctrl+C in the terminal) and SIGHUP (the session ends) do what File > Exit
// does, so recordings are finished and their files written, and the program
// exits with status 0.
#pragma once

class QAction;

// Routes the three signals to the exit action; call once, after the
// application object exists. False when the signals could not be routed.
bool EndOnSignals(QAction* exit);
