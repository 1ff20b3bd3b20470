// The colour snapshot of the current monitor, shared by the colour page (which writes its
// picture-mode fields) and the colour adjustment dialog (which reads and writes the rest). Each
// read flag is 1 when the last read of that feature succeeded.
#pragma once

#include <cstdint>

class CMonitorColor {
  public:
    virtual ~CMonitorColor() = default;

    // Page 0x30 code 0xE2.
    std::int32_t modeCurrent = -1;
    std::int32_t modeMaximum = 0;
    std::int32_t modeRead = 0;
    // Page 0x30 code 0xE3; the top value is the last value the vendor page map lists for it.
    std::int32_t temperatureCurrent = 0;
    std::int32_t temperatureTop = 0;
    std::int32_t temperatureRead = 0;
    // VCP 0x10, 0x16, 0x18, 0x1A.
    std::int32_t brightnessCurrent = 0;
    std::int32_t brightnessMaximum = 0;
    std::int32_t brightnessRead = 0;
    std::int32_t redCurrent = 0;
    std::int32_t redMaximum = 0;
    std::int32_t redRead = 0;
    std::int32_t greenCurrent = 0;
    std::int32_t greenMaximum = 0;
    std::int32_t greenRead = 0;
    std::int32_t blueCurrent = 0;
    std::int32_t blueMaximum = 0;
    std::int32_t blueRead = 0;
    // Page 0x30 code 0xE4.
    std::int32_t gammaCurrent = 0;
    std::int32_t gammaMaximum = 0;
    std::int32_t gammaRead = 0;
    // Page 0xE0 codes 0xE4 ... 0xE7, read as one group.
    std::int32_t groupValues[4] = {};
    std::int32_t groupRead = 0;
    // VCP 0x12.
    std::int32_t contrastCurrent = 0;
    std::int32_t contrastMaximum = 0;
    std::int32_t contrastRead = 0;
    // Page 0x30 code 0xE5, read only.
    std::int32_t userColorState = 0;
    std::int32_t userColorRead = 0;
};
