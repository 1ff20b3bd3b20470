// Test support: views of the colour page and the colour adjustment dialog that show nothing but
// keep what a check may ask about: the data-name box, the selected mode and every slider.
#pragma once

#include "utility/pages/color_page_model.h"
#include "utility/pages/color_sub_model.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class PlainColorView : public ColorPageView {
  public:
    void SetMonitorList(const std::vector<std::string>&, int) override {}
    void SetModeList(const std::vector<ModeItem>&) override {}
    void SelectModeItem(int index) override { modeIndex = index; }
    void SetDataNameList(const std::vector<std::string>&) override {}
    DataNameBox ReadDataName() override { return box; }
    void WriteDataName(const std::string& text, int) override { box.text = text; }
    void EnableControls(const ColorPageControls&) override {}
    void ShowWarning(std::uint32_t) override {}
    void SelectMonitor(int) override {}
    bool ConfirmDelete() override { return true; }
    void FocusMainClose() override {}
    void FocusColorButton() override {}
    void StepAsideForAdjustment() override {}
    void ComeBackAfterAdjustment() override {}
    void RunColorDialog() override {}

    DataNameBox box;
    int modeIndex = -1;
};

class PlainSubView : public ColorSubView {
  public:
    void SetSliderRange(ColorSlider s, int minimum, int maximum) override {
        sliders[static_cast<std::size_t>(s)] = {minimum, maximum, minimum};
    }
    void SetSliderPosition(ColorSlider s, int position) override {
        sliders[static_cast<std::size_t>(s)].position = position;
    }
    void SetSliderPageSize(ColorSlider, int) override {}
    void SetValueText(ColorSlider, const std::string&) override {}
    void EnableSlider(ColorSlider, bool, std::uint32_t) override {}
    void EnableButtons(bool) override {}
    void FocusOk() override {}
    void RepaintPicture() override {}
    void BeginWait() override {}
    void EndWait() override {}
    void Finish(int) override {}

    // A position the user could move slider `s` to: its other end.
    int OtherEnd(ColorSlider s) const {
        const SliderState& state = sliders[static_cast<std::size_t>(s)];
        return state.position == state.maximum ? state.minimum : state.maximum;
    }

    SliderState sliders[kColorSliderCount];
};
