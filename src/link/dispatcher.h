#pragma once

#include <functional>

// Hands work from keyboard workers to the GUI thread, where every result of the link arrives.
// "Synchronously on the main queue" is postAndWait(): work queued to the GUI thread while the
// worker waits for it, or a direct call when already on the GUI thread (waiting for itself would
// never end). The hand-over is one ThreadSanitizer sees, although Qt's event queue is not.
class Dispatcher
{
public:
    Dispatcher() = delete;

    // Runs work later on the GUI thread; returns at once.
    static void post(std::function<void()> work);
    // Runs work on the GUI thread and returns when it has run.
    static void postAndWait(std::function<void()> work);
    static bool isGuiThread();
    // Called as the program ends, once the GUI thread's event loop has: work that waits for the
    // GUI thread and work posted from now on is dropped unrun, and a worker waiting for its work
    // goes on at once, so that the program can wait for its workers. Also after the application
    // object has gone, and again.
    static void close();
    // Takes work for the GUI thread again after close(), for the next test of a test program.
    static void reopenForTesting();
};
