#pragma once
// The short chime of the What's new dialog, synthesised in code.

#include <QByteArray>
#include <QTemporaryFile>

#include <memory>

class QSoundEffect;

namespace quorvex::ui {

// A complete WAV file (PCM, 16 bits, mono): three bell notes rising.
QByteArray ChimeWave();

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
