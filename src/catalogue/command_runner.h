#pragma once
// The one way the program runs outside programs: write a batch file into a
// working directory, run it and wait for its end; plus the message pump that
// keeps the windows alive between long steps.

#include <string>

#include "store/startup.h"

namespace quorvex::catalogue {

// The user interface's event loop as the core sees it. The program passes
// its windows; tests and tools may pass nothing.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Handles pending events, user input included, for at least milliseconds;
    // 0 means one pass over what is pending.
    virtual void Pump(int milliseconds) = 0;
    // Repaints the windows without delivering any input to them.
    virtual void RepaintOnly() = 0;
    // Throws away the clicks and keys that are waiting, so that none made
    // while a batch ran acts once it has ended.
    virtual void DiscardInput() {}
};

// Creates or overwrites directory + name with content; every line feed not
// already preceded by a carriage return is stored as CR LF. Failure is not
// reported: running the batch then fails or runs an older file.
void WriteBatchFile(const std::string& name, const std::string& directory,
                    const std::string& content);

// Runs directory + name with directory as its current directory and returns
// when every command of it has ended, so redirected outputs are complete.
// While it runs the pump (when given) repaints the windows but no input is
// handled; the input that came meanwhile is dropped, not replayed. False when the directory does not exist or the batch cannot be
// read or started. showNormal shows the console window where there is one.
bool RunBatchFile(const std::string& name, const std::string& directory, bool showNormal,
                  MessagePump* pump);

// Lets the pump handle pending events for at least milliseconds (0: one
// pass); nothing happens without a pump.
void PumpMessages(MessagePump* pump, int milliseconds);

// Opens a document (a scan log, say) with the desktop's associated program
// without waiting; false when no opener could be started.
bool OpenWithAssociation(const std::string& path);

// The start-up's batch runner: writes the batch and runs it minimised.
class BatchFileRunner : public store::BatchRunner {
public:
    explicit BatchFileRunner(MessagePump* pump = nullptr) : m_pump(pump) {}
    bool WriteAndRun(const std::string& directory, const std::string& fileName,
                     const std::string& text) override;

private:
    MessagePump* m_pump;
};

}  // namespace quorvex::catalogue
