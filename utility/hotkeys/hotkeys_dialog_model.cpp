#include "utility/hotkeys/hotkeys_dialog_model.h"

#include <algorithm>

namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;

} // namespace

HotkeysDialogModel::HotkeysDialogModel(HotkeysDialogView& view, RegistryPort& registry,
                                       const HotkeyRegistrar& registrar)
    : m_view(view), m_registry(registry), m_registrar(registrar) {}

void HotkeysDialogModel::Open() {
    m_view.Show(LoadHotkeySettings(m_registry));
}

void HotkeysDialogModel::Ok() {
    HotkeySettings settings = m_view.Read();
    settings.step = std::clamp(settings.step, kHotkeyStepMin, kHotkeyStepMax);
    // A key given twice stays with its first action.
    std::vector<std::pair<HotkeyAction, HotkeyWord>> notTaken;
    auto drop = [&](std::size_t i) {
        notTaken.emplace_back(static_cast<HotkeyAction>(i), settings.keys[i]);
        settings.keys[i] = 0;
    };
    const auto keys = settings.keys.begin();
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i) {
        if (settings.keys[i] != 0 && std::find(keys, keys + i, settings.keys[i]) != keys + i)
            drop(i);
    }
    for (HotkeyAction held : m_registrar(settings))
        drop(static_cast<std::size_t>(held));
    std::sort(notTaken.begin(), notTaken.end());
    SaveHotkeySettings(m_registry, settings);
    if (!notTaken.empty()) {
        m_view.Show(settings);
        m_view.ShowNotTaken(notTaken);
    }
    m_view.Finish(kOk);
}

void HotkeysDialogModel::Cancel() {
    m_view.Finish(kCancel);
}
