// The "Shortcut Keys" dialog's behaviour without the window: the stored keys, step and monitor
// choice shown; OK registers the keys, names those that could not be taken (another program
// holds them, or another action of the dialog has the same key) and stores the others; Cancel
// changes nothing.
#pragma once

#include "utility/hotkeys/hotkey_settings.h"
#include "utility/settings/registry_port.h"

#include <functional>
#include <utility>
#include <vector>

class HotkeysDialogView {
  public:
    virtual ~HotkeysDialogView() = default;
    virtual void Show(const HotkeySettings& settings) = 0;
    // What the controls hold; the step as the box holds it (0 when it holds no number).
    virtual HotkeySettings Read() = 0;
    // The message naming the keys that were not taken, with their actions (a counted modal loop).
    virtual void ShowNotTaken(const std::vector<std::pair<HotkeyAction, HotkeyWord>>& keys) = 0;
    virtual void Finish(int result) = 0;
};

// Registers the keys of `settings` in place of those registered before; answers the actions
// whose key could not be registered.
using HotkeyRegistrar = std::function<std::vector<HotkeyAction>(const HotkeySettings&)>;

class HotkeysDialogModel {
  public:
    HotkeysDialogModel(HotkeysDialogView& view, RegistryPort& registry,
                       const HotkeyRegistrar& registrar);

    void Open();
    void Ok();
    void Cancel();

  private:
    HotkeysDialogView& m_view;
    RegistryPort& m_registry;
    HotkeyRegistrar m_registrar;
};
