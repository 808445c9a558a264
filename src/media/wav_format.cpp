#include "media/wav_format.h"

#include <algorithm>
#include <string_view>

namespace zerin {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t pos) {
    return static_cast<std::uint16_t>(b[pos] | b[pos + 1] << 8);
}
std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t pos) {
    return static_cast<std::uint32_t>(b[pos]) | static_cast<std::uint32_t>(b[pos + 1]) << 8 |
           static_cast<std::uint32_t>(b[pos + 2]) << 16 | static_cast<std::uint32_t>(b[pos + 3]) << 24;
}
bool idIs(std::span<const std::uint8_t> b, std::size_t pos, std::string_view id) {
    return std::equal(id.begin(), id.end(), b.begin() + static_cast<std::ptrdiff_t>(pos),
                      [](char c, std::uint8_t u) { return static_cast<std::uint8_t>(c) == u; });
}

}  // namespace

std::optional<WavFormat> parseWav(std::span<const std::uint8_t> b, std::string& reason) {
    if (b.size() < 12 || !idIs(b, 0, "RIFF") || !idIs(b, 8, "WAVE")) {
        reason = "not a WAV file";
        return std::nullopt;
    }
    WavFormat f;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (b.size() - pos >= 8) {
        std::uint32_t size = le32(b, pos + 4);
        std::size_t body = pos + 8;
        std::size_t available = b.size() - body;
        if (idIs(b, pos, "fmt ")) {
            if (size < 16 || available < 16) {
                reason = "damaged WAV format chunk";
                return std::nullopt;
            }
            std::uint16_t tag = le16(b, body);
            if (tag == kFormatExtensible && size >= 40 && available >= 40) tag = le16(b, body + 24);
            if (tag != kFormatPcm) {
                reason = "WAV data is not PCM";
                return std::nullopt;
            }
            f.channels = le16(b, body + 2);
            f.sampleRate = le32(b, body + 4);
            f.bitsPerSample = le16(b, body + 14);
            if ((f.channels != 1 && f.channels != 2) || (f.bitsPerSample != 8 && f.bitsPerSample != 16) ||
                f.sampleRate < 1000 || f.sampleRate > 384000) {
                reason = "unsupported WAV format";
                return std::nullopt;
            }
            haveFormat = true;
        } else if (idIs(b, pos, "data")) {
            if (!haveFormat) {
                reason = "WAV data before its format";
                return std::nullopt;
            }
            std::size_t length = std::min<std::size_t>(size, available);
            length -= length % static_cast<std::size_t>(f.bytesPerFrame());
            if (length == 0) {
                reason = "WAV file without samples";
                return std::nullopt;
            }
            f.dataOffset = body;
            f.dataLength = length;
            return f;
        }
        // Chunks are padded to an even size.
        std::uint64_t skip = std::uint64_t{size} + (size & 1u);
        if (skip > available) break;
        pos = body + static_cast<std::size_t>(skip);
    }
    reason = haveFormat ? "WAV file without samples" : "not a WAV file";
    return std::nullopt;
}

std::vector<std::uint8_t> scaledSamples(std::span<const std::uint8_t> file, const WavFormat& f,
                                        std::uint32_t volumeWord) {
    auto samples = file.subspan(f.dataOffset, f.dataLength);
    std::vector<std::uint8_t> out(samples.begin(), samples.end());
    const std::uint32_t gain[2] = {volumeWord & 0xFFFFu, volumeWord >> 16};
    if (gain[0] == 0xFFFF && (f.channels == 1 || gain[1] == 0xFFFF)) return out;
    if (f.bitsPerSample == 8) {
        for (std::size_t i = 0; i < out.size(); ++i) {
            std::int32_t centred = static_cast<std::int32_t>(out[i]) - 128;
            std::int32_t g = static_cast<std::int32_t>(gain[i % static_cast<std::size_t>(f.channels)]);
            out[i] = static_cast<std::uint8_t>(centred * g / 0xFFFF + 128);
        }
    } else {
        for (std::size_t i = 0; i + 1 < out.size(); i += 2) {
            auto sample = static_cast<std::int16_t>(out[i] | out[i + 1] << 8);
            std::int32_t g = static_cast<std::int32_t>(gain[(i / 2) % static_cast<std::size_t>(f.channels)]);
            auto scaled = static_cast<std::uint16_t>(static_cast<std::int16_t>(sample * g / 0xFFFF));
            out[i] = static_cast<std::uint8_t>(scaled & 0xFF);
            out[i + 1] = static_cast<std::uint8_t>(scaled >> 8);
        }
    }
    return out;
}

std::optional<PcmSound> decodeWav(std::span<const std::uint8_t> file, std::uint32_t volumeWord, std::string& reason) {
    std::optional<WavFormat> format = parseWav(file, reason);
    if (!format) return std::nullopt;
    PcmSound sound;
    sound.channels = format->channels;
    sound.bitsPerSample = format->bitsPerSample;
    sound.sampleRate = format->sampleRate;
    sound.samples = scaledSamples(file, *format, volumeWord);
    return sound;
}

}  // namespace zerin
