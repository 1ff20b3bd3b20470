// Named adjustment data: the records under the Color key, taking one from a monitor, writing
// one back to a monitor, and removing one together with the application entries that name it.
// The colour page and the automatic mode switching share these; each operation is handed what
// it works on, and the monitor operations need the caller to hold the monitor's ownership.
#pragma once

#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_status.h"
#include "utility/pages/adjustment_record.h"
#include "utility/settings/registry.h"

#include <cstdint>
#include <string>
#include <vector>

// The per-mode adjustment flags: which settings a picture mode lets the user change, and so
// which settings adjustment data of that mode holds.
inline constexpr std::uint32_t kAdjustBrightness = 0x1; // with the four-value group, if used
inline constexpr std::uint32_t kAdjustContrast = 0x2;
inline constexpr std::uint32_t kAdjustTemperature = 0x4;
inline constexpr std::uint32_t kAdjustGamma = 0x8;
inline constexpr std::uint32_t kAdjustGains = 0x40; // red, green and blue

// The monitor's adjustment flags for `mode`; 0 for a number beyond the picture-mode table (a
// stored record may hold any number).
std::uint32_t ModeFlags(const CMonitorStatus& monitor, std::uint32_t mode);
// The monitor keeps the six-colour values (the four-value group of page 0xE0).
bool UsesFeatureGroup(const CMonitorStatus& monitor);

// The names of the stored records, in the registry's enumeration order; a value without a name
// is left out.
std::vector<std::string> ListAdjustmentDataNames(const CRegistry& registry);

// Reads the monitor's present settings into a new record: the picture mode, then what that
// mode's flags allow. A setting that cannot be read stays zero with valid 0.
AdjustmentRecord CaptureAdjustmentRecord(DeviceCtrl& ctrl, const CMonitorStatus& monitor);

// Stores `record` under `name`, replacing a record of that name. An empty name stores nothing.
bool WriteAdjustmentRecord(const CRegistry& registry, const std::string& name,
                           const AdjustmentRecord& record);
// Reads the record stored under `name`. False, with `record` untouched, when there is none or
// the stored value is not exactly one record long.
bool ReadAdjustmentRecord(const CRegistry& registry, const std::string& name,
                          AdjustmentRecord& record);
// Removes the record `name` and every application entry's reference to it (its "ModeName",
// compared with case); the application entries themselves stay.
void DeleteAdjustmentData(const CRegistry& registry, const std::string& name);

// The record was taken from a monitor of `monitor`'s model. The record keeps the model name cut
// to its field, so the monitor's name is compared as the record would keep it.
bool RecordFitsModel(const AdjustmentRecord& record, const CMonitorStatus& monitor);

// Writes `record` to the monitor: the picture mode, then each stored setting that the mode's
// flags allow, scaled from the stored maximum to the monitor's present one and written only
// when it differs from what the monitor shows. Failures do not stop the sequence; false when
// any read or write failed.
bool ApplyRecord(DeviceCtrl& ctrl, const CMonitorStatus& monitor, const AdjustmentRecord& record);
