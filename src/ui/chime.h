#pragma once
// The short chime of the What's new dialog, synthesised in code.

#include <QByteArray>
#include <QTemporaryFile>

#include <memory>
#include <vector>

class QSoundEffect;

namespace quorvex::ui {

// A complete WAV file (PCM, 16 bits, mono): three bell notes rising.
QByteArray ChimeWave();

// A complete WAV file of the samples (any scale), brought to peak of full
// scale and sampleRate samples per second.
QByteArray PcmWave(const std::vector<double>& samples, int sampleRate, double peak);

class Chime {
public:
    Chime();
    ~Chime();
    Chime(const Chime&) = delete;
    Chime& operator=(const Chime&) = delete;

    // Starts the chime and returns at once; silent when the machine has no
    // audio output or the temporary file cannot be written.
    void Play();

private:
    QTemporaryFile m_file;
    std::unique_ptr<QSoundEffect> m_effect;
};

}  // namespace quorvex::ui
