#include "platform/linux/alsa_sound.h"

#include <alsa/asoundlib.h>

#include "platform/linux/alsa_library.h"

namespace zerin::linux_platform {

namespace {

constexpr unsigned kLatencyUs = 200000;
// Frames written per call: short enough that a stop request is seen within ~20 ms.
constexpr unsigned kChunkDivisor = 50;


void play(snd_pcm_t* pcm, std::vector<std::uint8_t> samples, int bytesPerFrame, std::uint32_t rate,
          std::shared_ptr<std::atomic<bool>> cancel) {
    const snd_pcm_uframes_t total = samples.size() / static_cast<std::size_t>(bytesPerFrame);
    const snd_pcm_uframes_t chunk = std::max<snd_pcm_uframes_t>(rate / kChunkDivisor, 64);
    snd_pcm_uframes_t done = 0;
    while (done < total && !*cancel) {
        snd_pcm_uframes_t n = std::min(chunk, total - done);
        snd_pcm_sframes_t written = alsa().snd_pcm_writei(pcm, samples.data() + done * static_cast<std::size_t>(bytesPerFrame), n);
        if (written < 0) written = alsa().snd_pcm_recover(pcm, static_cast<int>(written), 1);
        if (written < 0) break;
        done += static_cast<snd_pcm_uframes_t>(written);
    }
    if (*cancel)
        alsa().snd_pcm_drop(pcm);
    else
        alsa().snd_pcm_drain(pcm);
    alsa().snd_pcm_close(pcm);
}

}  // namespace

AlsaSound::AlsaSound() = default;

AlsaSound::~AlsaSound() { stop(); }

void AlsaSound::stop() {
    if (m_cancel) *m_cancel = true;
    if (m_player.joinable()) m_player.join();
    m_cancel.reset();
}

bool AlsaSound::playAsync(PcmSound sound, std::string& reason) {
    if ((sound.bitsPerSample != 8 && sound.bitsPerSample != 16) || sound.channels < 1 || sound.channels > 2 ||
        sound.sampleRate == 0) {
        reason = "not a PCM sound";
        return false;
    }
    stop();

    snd_pcm_t* pcm = nullptr;
    // Opened without blocking so that a busy device fails at once instead of hanging.
    int err = alsa().snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (err < 0) {
        reason = std::string("no sound device: ") + alsa().snd_strerror(err);
        return false;
    }
    alsa().snd_pcm_nonblock(pcm, 0);
    snd_pcm_format_t sampleFormat = sound.bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    err = alsa().snd_pcm_set_params(pcm, sampleFormat, SND_PCM_ACCESS_RW_INTERLEAVED,
                             static_cast<unsigned>(sound.channels), sound.sampleRate, 1, kLatencyUs);
    if (err < 0) {
        alsa().snd_pcm_close(pcm);
        reason = std::string("the sound device cannot play this format: ") + alsa().snd_strerror(err);
        return false;
    }
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const int bytesPerFrame = sound.bytesPerFrame();
    m_player = std::thread(play, pcm, std::move(sound.samples), bytesPerFrame,
                           sound.sampleRate, m_cancel);
    return true;
}

}  // namespace zerin::linux_platform
