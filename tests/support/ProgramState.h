#pragma once
// Puts the program-wide state back as a fresh start has it, for tests that start
// windows or requests one after another in one run.

namespace orbelune::test {

// Stops and waits for running weather requests, then resets the settings, the clock
// and display state, the weather state, the date formats and the information window's
// location. The weather, radar and satellite servers and the saved start page then point
// at a closed port on 127.0.0.1, so that a request a test did not mean to make never
// leaves the machine.
void ResetProgramState();

}  // namespace orbelune::test
