#pragma once
// The program's own window: its handlers, wired at creation, and its creation handler.

#include "form/StartWindow.h"

// Hands the subsystems to one another and returns what LoadStartWindow needs.
WindowSetup ProgramWindowSetup();
