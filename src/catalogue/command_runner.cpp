#include "catalogue/command_runner.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/batch_interpreter.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace quorvex::catalogue {

namespace {

constexpr auto kRepaintInterval = std::chrono::milliseconds(50);

std::string BatchPath(const std::string& name, const std::string& directory) {
    return platform::WithTrailingSeparator(directory) + name;
}

}  // namespace

void WriteBatchFile(const std::string& name, const std::string& directory,
                    const std::string& content) {
    std::string bytes;
    bytes.reserve(content.size() + content.size() / 16);
    for (std::size_t i = 0; i < content.size(); ++i) {
        // Texts that already end a line with "\r\n" keep it: a doubled CR
        // would give every line a stray empty line in some readers.
        if (content[i] == '\n' && (i == 0 || content[i - 1] != '\r')) {
            bytes += '\r';
        }
        bytes += content[i];
    }
    // A plain rewrite rather than an atomic replace: batch files are
    // throw-away and some callers write one per game.
    FILE* out = std::fopen(BatchPath(name, directory).c_str(), "wb");
    if (out == nullptr) {
        return;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

bool RunBatchFile(const std::string& name, const std::string& directory, bool showNormal,
                  MessagePump* pump) {
    const std::string path = BatchPath(name, directory);
    if (!platform::IsDirectory(directory) || !platform::IsReadableFile(path)) {
        return false;
    }
    if (pump == nullptr) {
        return platform::RunBatch(path, directory, showNormal);
    }
    // The batch runs on a worker while this thread keeps the windows painted;
    // input is held back, so nothing can act on the files the batch is using.
    std::mutex mutex;
    std::condition_variable finishedSignal;
    bool finished = false;
    bool result = false;
    std::thread worker;
    try {
        worker = std::thread([&] {
            const bool ran = platform::RunBatch(path, directory, showNormal);
            std::lock_guard<std::mutex> lock(mutex);
            result = ran;
            finished = true;
            finishedSignal.notify_one();
        });
    } catch (const std::system_error&) {
        return platform::RunBatch(path, directory, showNormal);
    }
    std::unique_lock<std::mutex> lock(mutex);
    while (!finished) {
        if (!finishedSignal.wait_for(lock, kRepaintInterval, [&] { return finished; })) {
            lock.unlock();
            pump->RepaintOnly();
            lock.lock();
        }
    }
    lock.unlock();
    worker.join();
    // A second click on Play, a tab or a row clicked while the emulator ran
    // would otherwise act now, long after the user gave up on it.
    pump->DiscardInput();
    return result;
}

void PumpMessages(MessagePump* pump, int milliseconds) {
    if (pump != nullptr) {
        pump->Pump(milliseconds < 0 ? 0 : milliseconds);
    }
}

bool OpenWithAssociation(const std::string& path) {
    return platform::OpenDetached(path);
}

bool BatchFileRunner::WriteAndRun(const std::string& directory, const std::string& fileName,
                                  const std::string& text) {
    WriteBatchFile(fileName, directory, text);
    return RunBatchFile(fileName, directory, false, m_pump);
}

}  // namespace quorvex::catalogue
