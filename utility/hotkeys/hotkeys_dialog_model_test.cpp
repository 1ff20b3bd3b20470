// The Shortcut Keys dialog: OK keeps the keys that could be registered and names the others,
// Cancel changes nothing.
#include "utility/hotkeys/hotkeys_dialog_model.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_dump.h"
#include "utility/settings/testing/registry_memory.h"

#include <gtest/gtest.h>

namespace {

struct PlainView : HotkeysDialogView {
    void Show(const HotkeySettings& s) override { shown = s; }
    HotkeySettings Read() override { return typed; }
    void ShowNotTaken(const std::vector<std::pair<HotkeyAction, HotkeyWord>>& keys) override {
        notTaken = keys;
    }
    void Finish(int r) override { result = r; }

    HotkeySettings shown, typed;
    std::vector<std::pair<HotkeyAction, HotkeyWord>> notTaken;
    int result = 0;
};

TEST(HotkeysDialog, OkKeepsWhatCouldBeRegisteredAndNamesTheRest) {
    MemoryRegistry registry;
    PlainView view;
    HotkeySettings registered;
    constexpr HotkeyWord kHeld = 0x0670; // Ctrl+Alt+F1, held by another program
    HotkeysDialogModel dialog(view, registry, [&](const HotkeySettings& s) {
        registered = s;
        return s.keys[0] == kHeld ? std::vector{HotkeyAction::BrightnessUp}
                                  : std::vector<HotkeyAction>{};
    });
    dialog.Open();
    EXPECT_EQ(view.shown, HotkeySettings{}); // no key is taken by default
    view.typed.keys = {kHeld, 0x0671, 0, 0, 0, 0x0671, 0, 0, 0x0672};
    view.typed.step = 25;
    view.typed.monitors = HotkeyMonitors::Current;
    dialog.Ok();
    // The same key twice stays with its first action and is never registered for the second.
    EXPECT_EQ(registered.keys[5], 0);
    const HotkeySettings stored = LoadHotkeySettings(registry);
    EXPECT_EQ(stored.keys,
              (std::array<HotkeyWord, kHotkeyActionCount>{0, 0x0671, 0, 0, 0, 0, 0, 0, 0x0672}));
    EXPECT_EQ(stored.step, kHotkeyStepMax);
    EXPECT_EQ(stored.monitors, HotkeyMonitors::Current);
    EXPECT_EQ(view.notTaken,
              (std::vector<std::pair<HotkeyAction, HotkeyWord>>{
                  {HotkeyAction::BrightnessUp, kHeld}, {HotkeyAction::VolumeDown, 0x0671}}));
    EXPECT_EQ(view.result, 1);

    const std::string before = DumpRegistry(registry, kRootKey);
    dialog.Open();
    view.typed = HotkeySettings{};
    dialog.Cancel();
    EXPECT_EQ(DumpRegistry(registry, kRootKey), before);
    EXPECT_EQ(view.result, 2);
}

} // namespace
