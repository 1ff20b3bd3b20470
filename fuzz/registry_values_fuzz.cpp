// Every registry value the utility reads, with any type, size and content, through the in-memory
// registry. The input is a list of values to store: a selector byte (which value; for the
// application table and the adjustment data also the sub-key or value name that follows), a type
// byte, a 16-bit length and that many bytes. Checks: the readers keep their bounds (reminder
// hours 1 ... 24, texts of at most 255 bytes, a filter path of at most 260, table and data names
// that can be stored, shortcut keys the hot-key control can show, the keys' step and monitor
// choice and the filter the filter key keeps within their ranges), close every key they open and
// write nothing.
#include "fuzz/testing/fuzz_check.h"
#include "utility/eyecare/filter_rules.h"
#include "utility/eyecare/filter_settings.h"
#include "utility/eyecare/reminder_settings.h"
#include "utility/hotkeys/hotkey_settings.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/app_mode_table.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_dump.h"
#include "utility/settings/testing/registry_memory.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Value {
    const char* key;
    const char* name;
};

// Values at fixed places; the application entries and adjustment data come after them.
const std::array<Value, 32> kValues{{
    {kRootKey, "NoTopmost"},
    {kRootKey, "ModeChange"},
    {kRootKey, "MonIndepend"},
    {kRootKey, "DefMode"},
    {kRootKey, "DefModeName"},
    {kEyeCareKey.data(), "Display Name"},
    {kEyeCareKey.data(), "Model Name"},
    {kEyeCareKey.data(), "Serial Num"},
    {kReminderKey.data(), "On"},
    {kReminderKey.data(), "Hour"},
    {kReminderKey.data(), "Message"},
    {kVSFilterKey.data(), "On"},
    {kVSFilterKey.data(), "FileType"},
    {kVSFilterKey.data(), "FilePath"},
    {kVSFilterKey.data(), "Alpha"},
    {kVSFilterKey.data(), "Luminance"},
    {kVSFilterKey.data(), "ModAlpha"},
    {kHotkeysKey.data(), "BrightnessUp"},
    {kHotkeysKey.data(), "BrightnessDown"},
    {kHotkeysKey.data(), "ContrastUp"},
    {kHotkeysKey.data(), "ContrastDown"},
    {kHotkeysKey.data(), "VolumeUp"},
    {kHotkeysKey.data(), "VolumeDown"},
    {kHotkeysKey.data(), "NextMode"},
    {kHotkeysKey.data(), "PreviousMode"},
    {kHotkeysKey.data(), "FilterToggle"},
    {kHotkeysKey.data(), "Step"},
    {kHotkeysKey.data(), "Monitor"},
    {kHotkeysKey.data(), "FilterType"},
    {kHotkeysKey.data(), "FilterPath"},
    {kHotkeysKey.data(), "FilterAlpha"},
    {kHotkeysKey.data(), "FilterLuminance"},
}};

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : m_at(data), m_end(data + size) {}
    bool Empty() const { return m_at == m_end; }
    std::uint8_t Byte() { return m_at < m_end ? *m_at++ : 0; }
    std::vector<std::uint8_t> Bytes(std::size_t count) {
        const std::size_t taken = std::min<std::size_t>(count, m_end - m_at);
        std::vector<std::uint8_t> bytes(m_at, m_at + taken);
        m_at += taken;
        return bytes;
    }
    // A short name: a length byte (at most 40) and that many bytes, cut at a zero.
    std::string Name() {
        const auto bytes = Bytes(Byte() % 41);
        std::string name(bytes.begin(), bytes.end());
        return name.substr(0, name.find('\0'));
    }

  private:
    const std::uint8_t* m_at;
    const std::uint8_t* m_end;
};

void Store(RegistryPort& port, const std::string& key, const std::string& name, std::uint32_t type,
           const std::vector<std::uint8_t>& bytes) {
    RegistryKey handle = nullptr;
    if (port.CreateKey(key.c_str(), handle) != kRegistrySuccess)
        return;
    port.SetValue(handle, name.c_str(), type, bytes.data(),
                  static_cast<std::uint32_t>(bytes.size()));
    port.CloseKey(handle);
}

class NoStrings : public StringTable {
  public:
    std::string Load(std::uint32_t) const override { return "standard"; }
};

void CheckText(const std::string& text, std::size_t most) {
    FUZZ_CHECK(text.size() <= most);
    FUZZ_CHECK(text.find('\0') == std::string::npos);
}

void ReadHotkeys(RegistryPort& port) {
    const HotkeySettings keys = LoadHotkeySettings(port);
    for (const HotkeyWord key : keys.keys)
        FUZZ_CHECK(key == 0 || ((key & 0xFF) != 0 && (key & ~(kHotkeyModifierMask | 0xFF)) == 0));
    FUZZ_CHECK(keys.step >= kHotkeyStepMin && keys.step <= kHotkeyStepMax);
    FUZZ_CHECK(keys.monitors == HotkeyMonitors::UnderPointer ||
               keys.monitors == HotkeyMonitors::Current || keys.monitors == HotkeyMonitors::Every);

    FilterSettings kept;
    if (LoadToggledFilter(port, kept)) {
        FUZZ_CHECK(kept.fileType == kFilterTypeDefault || kept.fileType == kFilterTypeUserFile);
        FUZZ_CHECK(!kept.filePath.empty());
        CheckText(kept.filePath, kFilterPathMax);
        FUZZ_CHECK(kept.alpha >= 0 && kept.alpha <= kAlphaMax);
        FUZZ_CHECK(kept.luminance == ClampLuminance(kept.luminance));
    }
}

void ReadEverything(const CRegistry& registry) {
    std::uint32_t number = 0;
    registry.ReadDword("NoTopmost", number, kRootKey);

    const ReminderSettings reminder = ReadReminderSettings(registry, NoStrings());
    FUZZ_CHECK(reminder.hours >= 1 && reminder.hours <= kReminderMostHours);
    for (const std::string* text :
         {&reminder.displayName, &reminder.model, &reminder.serial, &reminder.message})
        CheckText(*text, kReminderTextMax);

    FilterSettings filter;
    LoadFilterSettings(registry, filter);
    CheckText(filter.filePath, kFilterPathMax);

    for (const AppModeEntry& entry : LoadAppModeTable(registry)) {
        FUZZ_CHECK(!entry.name.empty() && entry.stored);
        CheckText(entry.name, kAppNameMax);
        CheckText(entry.modeName, kAppNameMax);
        if (entry.mode != kAdjustmentDataMode)
            FUZZ_CHECK(entry.modeName.empty());
    }
    for (const std::string& name : ListAdjustmentDataNames(registry)) {
        FUZZ_CHECK(!name.empty());
        CheckText(name, kRegistryNameCapacity - 1);
        AdjustmentRecord record;
        ReadAdjustmentRecord(registry, name, record);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryRegistry port;
    Input in(data, size);
    while (!in.Empty()) {
        const std::uint8_t selector = in.Byte();
        std::string key;
        std::string name;
        if (selector < kValues.size()) {
            key = kValues[selector].key;
            name = kValues[selector].name;
        } else if (selector % 2 == 0) { // an application entry's "Mode" or "ModeName"
            key = KeyPath(kVtoneKey.data(), in.Name());
            name = selector % 4 == 0 ? "Mode" : "ModeName";
        } else { // adjustment data
            key = kColorKey.data();
            name = in.Name();
        }
        const std::uint32_t type = in.Byte() % 12;
        const std::size_t length = in.Byte() | in.Byte() << 8;
        Store(port, key, name, type, in.Bytes(length));
    }
    FUZZ_CHECK(port.OpenHandleCount() == 0);

    const std::string before = DumpRegistry(port, kRootKey);
    ReadEverything(CRegistry(port));
    ReadHotkeys(port);
    FUZZ_CHECK(DumpRegistry(port, kRootKey) == before);
    FUZZ_CHECK(port.OpenHandleCount() == 0);
    return 0;
}
