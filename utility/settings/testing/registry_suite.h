// The registry suite's fixture. The same cases run against every registry they are given: the
// in-memory one everywhere, and under Windows (Wine in our runs) the real one too, which keeps
// the two answering alike. Each target gets a key of its own to write under, deleted with
// everything below it before and after each case.
#pragma once

#include "utility/settings/registry.h"
#include "utility/settings/registry_port.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

struct RegistryTarget {
    std::unique_ptr<RegistryPort> port;
    std::string root; // a key path under the current user's hive that the suite may own
};

// Makes the target of each case; `name` tells the cases of one target from another's.
struct RegistryTargetFactory {
    const char* name;
    RegistryTarget (*make)();
};

inline void PrintTo(const RegistryTargetFactory& factory, std::ostream* out) {
    *out << factory.name;
}

class RegistrySuite : public testing::TestWithParam<RegistryTargetFactory> {
  protected:
    void SetUp() override;
    // Deletes the case's key and everything below it, and their common parent once empty.
    void TearDown() override;

    // A key path below the case's own key; "" is that key itself.
    std::string Key(std::string_view subKey = {}) const;
    // Whether the key exists (opened without being created).
    bool Exists(std::string_view subKey) const;

    RegistryTarget target;
    std::unique_ptr<CRegistry> registry;
};
