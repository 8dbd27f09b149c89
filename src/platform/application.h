#pragma once
// The program's request to end. A fatal message asks the event loop to end rather than leaving
// from inside a handler; the request may come before the loop runs (during start-up), so it is
// remembered and honoured at the loop's first turn. The exit status says whether the program
// ended normally.

namespace orvik {

class Application {
 public:
  // Asks the event loop to end at its next turn with the given exit status. The first non-zero
  // status asked for wins, so a failure is never reported as success.
  static void terminate(int exitCode = 0);
  static bool terminated();
  static int exitCode();
  // Forgets a request; for tests that start the program several times in one process.
  static void reset();
};

}  // namespace orvik
