#include "utility/monitor/win/ports_win.h"
#include "utility/monitor/win/windows_win.h"

bool Dxva2DdcPort::GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                                 std::uint32_t& maximum) {
    DWORD cur = 0;
    DWORD max = 0;
    const BOOL ok =
        ::GetVCPFeatureAndVCPFeatureReply(static_cast<HANDLE>(handle), code, nullptr, &cur, &max);
    current = cur;
    maximum = max;
    return ok != FALSE;
}

bool Dxva2DdcPort::SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) {
    return ::SetVCPFeature(static_cast<HANDLE>(handle), code, value) != FALSE;
}

bool Dxva2DdcPort::GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) {
    DWORD value = 0;
    const BOOL ok = ::GetCapabilitiesStringLength(static_cast<HANDLE>(handle), &value);
    length = value;
    return ok != FALSE;
}

bool Dxva2DdcPort::CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                               std::uint32_t length) {
    return ::CapabilitiesRequestAndCapabilitiesReply(static_cast<HANDLE>(handle), buffer, length) !=
           FALSE;
}
