#include "utility/monitor/picture_modes.h"

namespace {

constexpr PictureMode kBlank{kBlankModeNameId, 0};

constexpr std::array<PictureMode, kPictureModeCount> kModes{{
    {111, 0x800D},                                         // 0 Text
    {112, 0x8005},                                         // 1 Picture
    {113, 0x8005},                                         // 2 Movie
    {114, 0x804D},                                         // 3 Custom
    {115, 0x0001},                                         // 4 sRGB
    {153, 0x0001},                                         // 5 External
    {168, 0x0000},                                         // 6 Viewer
    {185, 0x0001},                                         // 7 CAL
    {183, 0x0001},                                         // 8 DICOM-CL
    {184, 0x0001},                                         // 9 DICOM-BL
    kBlank,        kBlank, kBlank, kBlank,                 // 10 - 13
    {226, 0x8007},                                         // 14 CAD
    kBlank,        kBlank,                                 // 15, 16
    {104, 0x804D},                                         // 17 Game
    kBlank,        kBlank, kBlank, kBlank,                 // 18 - 21
    {105, 0x804D},                                         // 22 User1
    {106, 0x804D},                                         // 23 User2
    {107, 0x804D},                                         // 24 User3
    kBlank,        kBlank, kBlank, kBlank, kBlank, kBlank, // 25 - 30
    {108, 0x804D},                                         // 31 EyeCare
    kBlank,                                                // 32
    {109, 0x8007},                                         // 33 Cinema
    {110, 0x8001},                                         // 34 Paper
    kBlank,                                                // 35
    {118, 0x8001},                                         // 36 Eco
    {156, 0x0000},                                         // 37 Not change the mode
}};

} // namespace

const std::array<PictureMode, kPictureModeCount>& PictureModes() {
    return kModes;
}
