// The pages and dialogs as a command sees them: views that show nothing and keep what the models
// tell them, so that a command drives the very models the pages run on and reads the outcome
// where the user would see it.
#pragma once

#include "utility/eyecare/vsfilter_model.h"
#include "utility/pages/color_page_model.h"
#include "utility/pages/color_sub_model.h"
#include "utility/pages/sound_page_model.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace command {

class ColorPageWindow : public ColorPageView {
  public:
    void SetMonitorList(const std::vector<std::string>&, int) override {}
    void SetModeList(const std::vector<ModeItem>& items) override { modes = items; }
    void SelectModeItem(int index) override { selectedMode = index; }
    void SetDataNameList(const std::vector<std::string>& list) override { names = list; }
    DataNameBox ReadDataName() override { return box; }
    void WriteDataName(const std::string& text, int) override {
        box.text = text;
        if (text.empty())
            box.selected = -1;
    }
    void EnableControls(const ColorPageControls&) override {}
    void ShowWarning(std::uint32_t id) override { warnings.push_back(id); }
    void SelectMonitor(int) override {}
    bool ConfirmDelete() override { return false; }
    void FocusMainClose() override {}
    void FocusColorButton() override {}
    void StepAsideForAdjustment() override {}
    void ComeBackAfterAdjustment() override {}
    void RunColorDialog() override {}

    std::vector<ModeItem> modes;
    int selectedMode = -1;
    std::vector<std::string> names;
    DataNameBox box;
    std::vector<std::uint32_t> warnings;
};

struct SliderSeen {
    SliderState state;
    std::string text;
    bool enabled = false;
};

class ColorDialogWindow : public ColorSubView {
  public:
    void SetSliderRange(ColorSlider s, int minimum, int maximum) override {
        At(s).state.minimum = minimum;
        At(s).state.maximum = maximum;
    }
    void SetSliderPosition(ColorSlider s, int position) override {
        At(s).state.position = position;
    }
    void SetSliderPageSize(ColorSlider, int) override {}
    void SetValueText(ColorSlider s, const std::string& text) override { At(s).text = text; }
    void EnableSlider(ColorSlider s, bool enabled, std::uint32_t) override {
        At(s).enabled = enabled;
    }
    void EnableButtons(bool) override {}
    void FocusOk() override {}
    void RepaintPicture() override {}
    void BeginWait() override {}
    void EndWait() override {}
    void Finish(int result) override { results.push_back(result); }

    SliderSeen& At(ColorSlider s) { return sliders[static_cast<std::size_t>(s)]; }

    std::array<SliderSeen, kColorSliderCount> sliders{};
    std::vector<int> results;
};

class SoundPageWindow : public SoundPageView {
  public:
    void SetMonitorList(const std::vector<std::string>&, int) override {}
    void SetVolumeRange(int max) override { maximum = max; }
    void SetVolumePosition(int p) override { position = p; }
    void SetVolumeText(const std::string& t) override { text = t; }
    void EnableControls(const SoundPageControls& c) override { controls = c; }
    void SelectMonitor(int) override {}

    int maximum = 0;
    int position = 0;
    std::string text;
    SoundPageControls controls;
};

class FilterDialogWindow : public VSFilterView {
  public:
    void SetImageList(const std::vector<std::string>&, int) override {}
    void SelectImage(int) override {}
    void SetPathText(const std::string&) override {}
    void ShowValues(int, int) override {}
    void Enable(const FilterEnabling&) override {}
    bool BrowseFile(const std::string&, const std::string&, std::string& path) override {
        path = file;
        return !file.empty();
    }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }

    std::string file; // what the user picks in the open-file dialog
    std::vector<std::string> warnings;
};

} // namespace command
