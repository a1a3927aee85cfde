// Writes the reminder's default chime, a short two-note bell, as a WAV file (RIFF, PCM, mono,
// 8-bit, 11025 samples a second). Synthesised here from sine partials with an exponential decay,
// so no recorded sound ships with the product.
//
// Usage: chimegen OUT.wav

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int sampleRateHz = 11025;
constexpr double noteSeconds = 0.7;
constexpr double pi = 3.14159265358979323846;

// A bell-like note: a fundamental and two inharmonic partials, each dying away on its own.
struct Partial {
    double ratio;       // of the note's frequency
    double amplitude;   // 0-1
    double decayPerSecond;
};
const Partial partials[] = {{1.0, 0.6, 4.0}, {2.76, 0.25, 6.0}, {5.40, 0.12, 9.0}};
// The two notes, a falling major third (E6, C6), in Hz.
const double notesHz[] = {1318.5, 1046.5};

void putLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putText(std::vector<uint8_t>& out, const char* text) {
    for (; *text; ++text)
        out.push_back(static_cast<uint8_t>(*text));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: chimegen OUT.wav\n");
        return 2;
    }
    const int noteSamples = static_cast<int>(noteSeconds * sampleRateHz);
    std::vector<uint8_t> samples;
    for (double noteHz : notesHz) {
        for (int n = 0; n < noteSamples; ++n) {
            const double t = static_cast<double>(n) / sampleRateHz;
            const double attack = t < 0.005 ? t / 0.005 : 1.0;  // no click at the start
            double value = 0.0;
            for (const Partial& p : partials)
                value += p.amplitude * std::exp(-p.decayPerSecond * t) * std::sin(2.0 * pi * noteHz * p.ratio * t);
            const long level = std::lround(128.0 + 127.0 * attack * value);
            samples.push_back(static_cast<uint8_t>(level < 0 ? 0 : level > 255 ? 255 : level));
        }
    }
    std::vector<uint8_t> file;
    putText(file, "RIFF");
    putLittleEndian(file, static_cast<uint32_t>(36 + samples.size()), 4);
    putText(file, "WAVEfmt ");
    putLittleEndian(file, 16, 4);             // format chunk size
    putLittleEndian(file, 1, 2);              // PCM
    putLittleEndian(file, 1, 2);              // mono
    putLittleEndian(file, sampleRateHz, 4);   // samples a second
    putLittleEndian(file, sampleRateHz, 4);   // bytes a second
    putLittleEndian(file, 1, 2);              // block align
    putLittleEndian(file, 8, 2);              // bits a sample
    putText(file, "data");
    putLittleEndian(file, static_cast<uint32_t>(samples.size()), 4);
    file.insert(file.end(), samples.begin(), samples.end());

    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "chimegen: can not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
