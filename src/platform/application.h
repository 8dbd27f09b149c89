#pragma once
// The program's request to end. A fatal message asks the event loop to end rather than leaving
// from inside a handler; the request may come before the loop runs (during start-up), so it is
// remembered and the loop is not entered at all. The exit status says whether the program ended
// normally.

namespace orvik {

class Application {
 public:
  // Asks the event loop to end with the given exit status: at once when it runs, otherwise it
  // will not start. The first non-zero status asked for wins, so a failure is never reported as
  // success.
  static void terminate(int exitCode = 0);
  static bool terminated();
  static int exitCode();
  // Runs the application's event loop unless the end was asked for already; returns the status.
  static int exec();
  // Forgets a request; for tests that start the program several times in one process.
  static void reset();
};

}  // namespace orvik
