#include <gtest/gtest.h>

#include <chrono>

#include "media/wav_format.h"
#include "platform/linux/alsa_sound.h"

using namespace zerin;
using Bytes = std::vector<std::uint8_t>;

namespace {

void le(Bytes& b, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void id(Bytes& b, const char* s) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(s[i]));
}

Bytes wav(int channels, int bits, const Bytes& samples, std::uint32_t claimedDataSize = 0, bool extraChunk = false) {
    Bytes b;
    id(b, "RIFF");
    le(b, 0, 4);
    id(b, "WAVE");
    if (extraChunk) {
        id(b, "LIST");
        le(b, 3, 4);
        b.insert(b.end(), {1, 2, 3, 0});  // odd size, padded
    }
    id(b, "fmt ");
    le(b, 16, 4);
    le(b, 1, 2);
    le(b, std::uint32_t(channels), 2);
    le(b, 8000, 4);
    le(b, 8000u * std::uint32_t(channels * bits / 8), 4);
    le(b, std::uint32_t(channels * bits / 8), 2);
    le(b, std::uint32_t(bits), 2);
    id(b, "data");
    le(b, claimedDataSize ? claimedDataSize : std::uint32_t(samples.size()), 4);
    b.insert(b.end(), samples.begin(), samples.end());
    return b;
}

}  // namespace

TEST(WavFormat, ReadsPcmFormatsAndSkipsOtherChunks) {
    std::string reason;
    auto f = parseWav(wav(2, 16, Bytes(40, 1), 0, true), reason);
    ASSERT_TRUE(f) << reason;
    EXPECT_EQ(f->channels, 2);
    EXPECT_EQ(f->bitsPerSample, 16);
    EXPECT_EQ(f->sampleRate, 8000u);
    EXPECT_EQ(f->dataLength, 40u);
    auto m = parseWav(wav(1, 8, Bytes(7, 128)), reason);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->dataLength, 7u);
}

TEST(WavFormat, DamagedFilesAreRefusedOrCut) {
    std::string reason;
    // A data chunk that claims more than the file holds plays what is there, whole frames.
    auto cut = parseWav(wav(2, 16, Bytes(10, 0), 0xFFFFFFF0u), reason);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->dataLength, 8u);
    EXPECT_FALSE(parseWav(Bytes{'R', 'I', 'F', 'F'}, reason));
    EXPECT_EQ(reason, "not a WAV file");
    EXPECT_FALSE(parseWav(wav(3, 16, Bytes(12, 0)), reason));
    EXPECT_FALSE(parseWav(wav(1, 24, Bytes(12, 0)), reason));
    EXPECT_FALSE(parseWav(wav(1, 16, {}), reason));
    Bytes noFormat = wav(1, 8, Bytes(4, 0));
    noFormat.resize(12);
    id(noFormat, "data");
    le(noFormat, 4, 4);
    EXPECT_FALSE(parseWav(noFormat, reason));
    // Every truncation of a good file is either refused or read within its bytes.
    Bytes good = wav(1, 16, Bytes(20, 3));
    for (std::size_t n = 0; n < good.size(); ++n) {
        Bytes part(good.begin(), good.begin() + std::ptrdiff_t(n));
        if (auto f = parseWav(part, reason)) {
            EXPECT_LE(f->dataOffset + f->dataLength, n);
        }
    }
}

TEST(WavFormat, VolumeWordScalesLeftAndRight) {
    Bytes samples;
    le(samples, 0x4000, 2);  // left
    le(samples, 0xC000, 2);  // right, negative
    Bytes file = wav(2, 16, samples);
    std::string reason;
    auto f = parseWav(file, reason);
    ASSERT_TRUE(f);
    EXPECT_EQ(scaledSamples(file, *f, 0xFFFFFFFFu), samples);
    Bytes half = scaledSamples(file, *f, 0x0000FFFFu);  // left full, right silent
    EXPECT_EQ(half, (Bytes{0x00, 0x40, 0x00, 0x00}));
    Bytes eight = wav(1, 8, Bytes{255, 0, 128});
    auto g = parseWav(eight, reason);
    EXPECT_EQ(scaledSamples(eight, *g, 0), (Bytes{128, 128, 128}));
}

TEST(AlsaSound, DataThatIsNotWavPlaysNothing) {
    linux_platform::AlsaSound sound;
    std::string reason;
    EXPECT_FALSE(decodeWav(Bytes{'M', 'Z', 0, 0}, 0xFFFFFFFFu, reason));
    EXPECT_EQ(reason, "not a WAV file");
    EXPECT_FALSE(sound.playAsync(PcmSound{}, reason));
}

TEST(AlsaSound, PlaysOrSaysWhyWithoutBlocking) {
    // A twentieth of a second of silence. Where there is no sound device (build machines)
    // the call fails with the reason; where there is one it plays in the background.
    Bytes file = wav(1, 16, Bytes(800, 0));
    std::string reason;
    auto started = std::chrono::steady_clock::now();
    {
        linux_platform::AlsaSound sound;
        sound.setWaveVolume(0);
        bool playing = sound.playAsync(*decodeWav(file, 0, reason), reason);
        if (!playing) {
            EXPECT_NE(reason.find("sound device"), std::string::npos) << reason;
        }
        // A second sound stops the first rather than waiting for it.
        sound.playAsync(*decodeWav(file, 0, reason), reason);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
}
