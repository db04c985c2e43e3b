#include "ui/chime.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace quorvex::ui {
namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 1.1;

void AppendLittleEndian(QByteArray& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::vector<double> BellNotes() {
    struct Note {
        double frequency;
        double start;
    };
    static constexpr Note kNotes[] = {{1046.5, 0.0}, {1318.5, 0.11}, {1568.0, 0.22}};
    const auto count = static_cast<std::size_t>(kSampleRate * kSeconds);
    std::vector<double> samples(count, 0.0);
    for (const Note& note : kNotes) {
        const auto first = static_cast<std::size_t>(note.start * kSampleRate);
        for (std::size_t i = first; i < count; ++i) {
            const double t = static_cast<double>(i - first) / kSampleRate;
            const double envelope = std::exp(-t / 0.22) * std::min(1.0, t * 400.0);
            const double phase = 2.0 * std::numbers::pi * note.frequency * t;
            // The inharmonic overtone is what makes it ring like a bell.
            samples[i] +=
                envelope * (std::sin(phase) + 0.35 * std::sin(2.76 * phase) * std::exp(-t / 0.08));
        }
    }
    return samples;
}

}  // namespace

QByteArray PcmWave(const std::vector<double>& samples, int sampleRate, double peak) {
    double loudest = 0.0;
    for (const double sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    const double scale = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;

    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    QByteArray wave;
    wave.reserve(static_cast<qsizetype>(44 + dataSize));
    wave.append("RIFF");
    AppendLittleEndian(wave, 36 + dataSize, 4);
    wave.append("WAVEfmt ");
    AppendLittleEndian(wave, 16, 4);    // format chunk size
    AppendLittleEndian(wave, 1, 2);     // PCM
    AppendLittleEndian(wave, 1, 2);     // mono
    AppendLittleEndian(wave, rate, 4);  // samples per second
    AppendLittleEndian(wave, rate * 2, 4);
    AppendLittleEndian(wave, 2, 2);  // bytes per frame
    AppendLittleEndian(wave, 16, 2);
    wave.append("data");
    AppendLittleEndian(wave, dataSize, 4);
    for (const double sample : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(sample * scale));
        AppendLittleEndian(wave, static_cast<std::uint16_t>(value), 2);
    }
    return wave;
}

QByteArray ChimeWave() {
    return PcmWave(BellNotes(), kSampleRate, 0.6);
}

Chime::Chime() : m_file(QDir::tempPath() + QStringLiteral("/quorvex-chime-XXXXXX.wav")) {}

Chime::~Chime() = default;

void Chime::Play() {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        return;
    }
    if (!m_file.isOpen()) {
        if (!m_file.open() || m_file.write(ChimeWave()) < 0 || !m_file.flush()) {
            return;
        }
    }
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        m_effect->setSource(QUrl::fromLocalFile(m_file.fileName()));
        m_effect->setVolume(0.7f);
    }
    m_effect->play();
}

}  // namespace quorvex::ui
