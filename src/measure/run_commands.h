// The run commands the data window hands on: the window controls a run it does
// not own, through whoever drives the run (the application's run controller).
#pragma once

namespace mb {

class RunCommands {
public:
    virtual ~RunCommands() = default;
    // Running again from the start: RunTime 0, balls back to their initial state.
    virtual void restart() = 0;
    // Running toggled: pause, or resume where the run stood.
    virtual void pause() = 0;
    // The main window's Stop.
    virtual void stop() = 0;
};

}  // namespace mb
