#pragma once
// The end of the process once the event loop is over: the window closed or EndProgram
// was called.

// Stops the member totals pass and ends the process with ProgramExitCode() at once. A
// worker still waiting on the server only reads, so nothing is lost by not waiting for it;
// nothing is torn down under it either, for the process ends without running destructors.
[[noreturn]] void EndProcessAfterEventLoop();
