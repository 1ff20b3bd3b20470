#include "utility/monitor/picture_mode_names.h"

#include "utility/monitor/picture_modes.h"

#include <cstdint>

namespace {

constexpr std::string_view kModeSuffix = " mode";

std::string_view NameOfString(std::uint32_t id) {
    switch (id) {
    case 104:
        return "Game mode";
    case 105:
        return "User1 mode";
    case 106:
        return "User2 mode";
    case 107:
        return "User3 mode";
    case 108:
        return "EyeCare mode";
    case 109:
        return "Cinema mode";
    case 110:
        return "Paper mode";
    case 111:
        return "Text mode";
    case 112:
        return "Picture mode";
    case 113:
        return "Movie mode";
    case 114:
        return "Custom mode";
    case 115:
        return "sRGB mode";
    case 118:
        return "Eco mode";
    case 153:
        return "External mode";
    case 156:
        return "Not change the mode";
    case 168:
        return "Viewer mode";
    case 183:
        return "DICOM-CL mode";
    case 184:
        return "DICOM-BL mode";
    case 185:
        return "CAL mode";
    case 226:
        return "CAD mode";
    default:
        return {};
    }
}

} // namespace

std::string_view EnglishModeName(int mode) {
    if (mode < 0 || mode >= kPictureModeCount)
        return {};
    return NameOfString(PictureModes()[static_cast<std::size_t>(mode)].nameId);
}

std::string_view ShortModeName(int mode) {
    if (mode >= kModeNotChange)
        return {};
    std::string_view name = EnglishModeName(mode);
    if (name.ends_with(kModeSuffix))
        name.remove_suffix(kModeSuffix.size());
    return name;
}
