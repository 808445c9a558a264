// Playing PCM samples through ALSA's default device. Playing runs on a
// background thread that touches nothing a script sees; a new sound stops the one before,
// so that sounds never pile up.
#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "platform/sound.h"

namespace zerin::linux_platform {

class AlsaSound : public Sound {
public:
    AlsaSound();
    ~AlsaSound() override;
    AlsaSound(const AlsaSound&) = delete;
    AlsaSound& operator=(const AlsaSound&) = delete;

    // There is no per-program wave volume in ALSA: the sound commands scale the samples
    // by the volume word before they play them.
    void setWaveVolume(std::uint32_t volumeWord) override { m_volume = volumeWord; }
    std::uint32_t waveVolume() const { return m_volume; }
    // False with a reason when no device can play the sound.
    bool playAsync(PcmSound sound, std::string& reason) override;

private:
    void stop();

    std::uint32_t m_volume = 0xFFFFFFFFu;
    std::thread m_player;
    std::shared_ptr<std::atomic<bool>> m_cancel;
};

}  // namespace zerin::linux_platform
