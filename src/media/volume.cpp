#include "media/volume.h"

#include <algorithm>
#include <cstdio>

namespace zerin {

bool Volume::start() {
    VolumeBounds b;
    if (!m_mixer || !m_mixer->open(b)) return false;
    m_open = true;
    m_slider.minimum = b.minimum;
    m_slider.maximum = b.maximum;
    m_slider.largeChange = (b.maximum - b.minimum) / 10;
    m_slider.smallChange = (b.maximum - b.minimum) / 40;
    // The slider starts where the mixer is, so the first move does not jump the volume.
    std::int64_t level = m_slider.value;
    if (m_mixer->readVolume(level)) m_slider.value = level;
    m_slider.value = std::clamp(m_slider.value, b.minimum, std::max(b.minimum, b.maximum));
    return true;
}

void Volume::change(std::int64_t value) {
    m_slider.value = value;
    if (m_open) m_mixer->setVolume(value);
}

std::string playTime(std::int64_t seconds) {
    const std::int64_t s = std::max<std::int64_t>(seconds, 0);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                  static_cast<long long>(s % 3600 / 60), static_cast<long long>(s % 60));
    return buf;
}

}  // namespace zerin
