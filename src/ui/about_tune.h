#pragma once
// The about box's tune: a short melody over a bass line, synthesised in code
// and played in a loop while the box is open.

#include <QByteArray>
#include <QTemporaryFile>

#include <memory>
#include <vector>

class QSoundEffect;

namespace quorvex::ui {

inline constexpr int kTuneSampleRate = 22050;

// One pass of the tune, its samples between -1 and 1. It starts and ends in
// silence so that the loop joins without a click.
std::vector<double> AboutTuneSamples();
// The same as a complete WAV file (PCM, 16 bits, mono).
QByteArray AboutTuneWave();

class LoopingTune {
public:
    LoopingTune();
    ~LoopingTune();
    LoopingTune(const LoopingTune&) = delete;
    LoopingTune& operator=(const LoopingTune&) = delete;

    // Starts the loop and returns at once; silent when the machine has no
    // audio output or the temporary file cannot be written.
    void Start();
    void Stop();

private:
    QTemporaryFile m_file;
    std::unique_ptr<QSoundEffect> m_effect;
};

}  // namespace quorvex::ui
