#pragma once
// The window runtime's program operations: create and show the window, run its event loop,
// end the program.

#include <functional>

class MainWindow;

// What the program above this layer gives the window: the wiring of its events and the
// creation handler, which runs once the window and its units exist.
struct WindowSetup {
    std::function<void(MainWindow&)> wire;
    std::function<void(MainWindow&)> onCreated;
};

// Creates the window from its form, wires its handlers, shows it and runs the creation
// handler once.
MainWindow& LoadStartWindow(const WindowSetup& setup);
// Runs the event loop until the window is closed or EndProgram is called.
void RunMessageLoop();
// Asks the program to end with the exit code: the event loop stops and the process ends
// with that code. The caller returns at once.
void EndProgram(int exitCode);
// The code the process ends with (0 unless EndProgram said otherwise).
int ProgramExitCode();
bool EndProgramRequested();
