// Reading what a monitor says about itself through the block transfer: serial number (slot 2),
// model name (slot 3) and the monitor-information block (slot 1).
#pragma once

#include "utility/monitor/device_ctrl.h"

bool ReadSerialNumber(DeviceCtrl& ctrl, CMonitorStatus& state, PageSelect pageSelect);
bool ReadModelName(DeviceCtrl& ctrl, CMonitorStatus& state, PageSelect pageSelect);
bool ParseMonitorInformation(DeviceCtrl& ctrl, CMonitorStatus& state, PageSelect pageSelect);
