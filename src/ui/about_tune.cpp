#include "ui/about_tune.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "ui/chime.h"

namespace quorvex::ui {
namespace {

constexpr double kEighth = 0.19;  // seconds
constexpr int kRest = 0;

struct Note {
    int key;      // MIDI note number, kRest for silence
    int eighths;  // length
};

// Eight bars in C major: an arpeggio that climbs, turns and comes home.
constexpr Note kMelody[] = {
    {76, 1}, {79, 1}, {84, 1}, {79, 1}, {81, 1}, {77, 1}, {74, 1}, {77, 1}, {79, 1}, {76, 1},
    {72, 1}, {76, 1}, {74, 1}, {71, 1}, {67, 1}, {71, 1}, {76, 1}, {79, 1}, {84, 1}, {79, 1},
    {81, 1}, {84, 1}, {89, 1}, {88, 1}, {86, 1}, {83, 1}, {79, 1}, {83, 1}, {84, 3}, {kRest, 1},
};
constexpr Note kBass[] = {
    {48, 2}, {55, 2}, {41, 2}, {48, 2}, {48, 2}, {55, 2}, {43, 2}, {50, 2},
    {48, 2}, {55, 2}, {41, 2}, {45, 2}, {43, 2}, {50, 2}, {48, 3}, {kRest, 1},
};

double Frequency(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

// Adds notes one after another from the start; lead notes are bright and
// decay, bass notes are round and held. Every note fades out before its
// end, so nothing sounds across the loop's seam.
void AddVoice(std::vector<double>& samples, const Note* notes, std::size_t count, double volume,
              bool lead) {
    std::size_t start = 0;
    for (std::size_t n = 0; n < count; ++n) {
        const auto length = static_cast<std::size_t>(notes[n].eighths * kEighth * kTuneSampleRate);
        if (notes[n].key != kRest) {
            const double frequency = Frequency(notes[n].key);
            const double release = 0.03 * kTuneSampleRate;
            for (std::size_t i = 0; i < length && start + i < samples.size(); ++i) {
                const double t = static_cast<double>(i) / kTuneSampleRate;
                const double phase = 2.0 * std::numbers::pi * frequency * t;
                const double attack = std::min(1.0, t / 0.006);
                const double tail = std::min(1.0, static_cast<double>(length - i) / release);
                double envelope = attack * tail;
                double tone = 0.0;
                if (lead) {
                    envelope *= 0.55 + 0.45 * std::exp(-t / 0.09);
                    tone = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
                } else {
                    tone = std::sin(phase) + 0.2 * std::sin(2 * phase);
                }
                samples[start + i] += volume * envelope * tone;
            }
        }
        start += length;
    }
}

std::size_t TotalLength(const Note* notes, std::size_t count) {
    std::size_t total = 0;
    for (std::size_t n = 0; n < count; ++n) {
        total += static_cast<std::size_t>(notes[n].eighths * kEighth * kTuneSampleRate);
    }
    return total;
}

}  // namespace

std::vector<double> AboutTuneSamples() {
    constexpr std::size_t melodyNotes = std::size(kMelody);
    constexpr std::size_t bassNotes = std::size(kBass);
    std::vector<double> samples(
        std::max(TotalLength(kMelody, melodyNotes), TotalLength(kBass, bassNotes)), 0.0);
    AddVoice(samples, kMelody, melodyNotes, 0.5, true);
    AddVoice(samples, kBass, bassNotes, 0.35, false);
    const double loudest = std::accumulate(
        samples.begin(), samples.end(), 0.0,
        [](double peak, double sample) { return std::max(peak, std::abs(sample)); });
    if (loudest > 1.0) {
        for (double& sample : samples) {
            sample /= loudest;
        }
    }
    return samples;
}

QByteArray AboutTuneWave() {
    return PcmWave(AboutTuneSamples(), kTuneSampleRate, 0.5);
}

LoopingTune::LoopingTune()
    : m_file(QDir::tempPath() + QStringLiteral("/quorvex-tune-XXXXXX.wav")) {}

LoopingTune::~LoopingTune() {
    Stop();
}

void LoopingTune::Start() {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        return;
    }
    if (!m_file.isOpen()) {
        if (!m_file.open() || m_file.write(AboutTuneWave()) < 0 || !m_file.flush()) {
            return;
        }
    }
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        m_effect->setSource(QUrl::fromLocalFile(m_file.fileName()));
        m_effect->setLoopCount(QSoundEffect::Infinite);
        m_effect->setVolume(0.5f);
    }
    m_effect->play();
}

void LoopingTune::Stop() {
    if (m_effect) {
        m_effect->stop();
    }
}

}  // namespace quorvex::ui
