#pragma once
// Start-up: create and show the window, run its event loop, end the process.

class MainWindow;

// Creates the window from its form, wires its handlers, shows it and runs the
// creation handler once.
MainWindow& LoadStartWindow();
// Runs the event loop until the window is closed or EndProgram is called.
void RunMessageLoop();
// Asks the program to end with the exit code: the event loop stops and the process
// ends with that code. The caller returns at once.
void EndProgram(int exitCode);
// The code the process ends with (0 unless EndProgram said otherwise).
int ProgramExitCode();
bool EndProgramRequested();
