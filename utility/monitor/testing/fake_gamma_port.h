// Test support: display devices with gamma ramps in memory, each able to fail in the ways real
// drivers do.
#pragma once

#include "utility/monitor/gamma_port.h"

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

struct FakeDevice {
    explicit FakeDevice(std::string n, std::uint32_t f = kDisplayDeviceAttachedToDesktop)
        : name(std::move(n)), flags(f) {
        for (std::size_t i = 0; i < kGammaRampSize; ++i)
            ramp[i] = static_cast<std::uint16_t>((i % 256) * 257);
    }
    std::string name;
    std::uint32_t flags;
    GammaRamp ramp;      // 16-bit scale
    int getFailures = 0; // calls to fail before one succeeds; -1 fails for ever
    bool failSets = false;
    bool ignoresSets = false;  // answers TRUE and keeps its ramp, as Windows does past its limits
    bool halvesWrites = false; // a driver that adjusts what it is given
    bool noDc = false;
    int gets = 0;
    std::vector<GammaRamp> written; // as the device was asked to set it, 0-255 scale
};

class FakeGammaPort : public GammaPort {
  public:
    FakeGammaPort() = default;
    // Display devices attached to the desktop, by name.
    explicit FakeGammaPort(std::initializer_list<const char*> names) {
        for (const char* name : names)
            devices.emplace_back(name);
    }

    std::deque<FakeDevice> devices;
    int openDcs = 0;

    bool EnumDisplayDevice(std::uint32_t index, std::string& name, std::uint32_t& flags) override {
        if (index >= devices.size())
            return false;
        name = devices[index].name;
        flags = devices[index].flags;
        return true;
    }
    DeviceContext CreateDc(const char* name) override {
        for (auto& device : devices)
            if (device.name == name && !device.noDc)
                return ++openDcs, &device;
        return nullptr;
    }
    bool GetDeviceGammaRamp(DeviceContext dc, GammaRamp& ramp) override {
        auto& device = *static_cast<FakeDevice*>(dc);
        ++device.gets;
        if (device.getFailures != 0) {
            device.getFailures -= device.getFailures > 0;
            return false;
        }
        ramp = device.ramp;
        return true;
    }
    bool SetDeviceGammaRamp(DeviceContext dc, const GammaRamp& ramp) override {
        auto& device = *static_cast<FakeDevice*>(dc);
        device.written.push_back(ramp);
        for (auto& entry : device.written.back())
            entry >>= 8;
        if (device.failSets)
            return false;
        if (device.ignoresSets)
            return true;
        device.ramp = ramp;
        for (auto& entry : device.ramp)
            entry = static_cast<std::uint16_t>(device.halvesWrites ? entry / 2 : entry);
        return true;
    }
    void DeleteDc(DeviceContext) override { --openDcs; }
};
