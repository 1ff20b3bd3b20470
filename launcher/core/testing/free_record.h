// Test support: the order in which a test's objects are freed. The test binary's global
// operator delete notes every pointer it frees while a record runs (free_record.cpp replaces
// the global allocation functions for the binary).
#pragma once

#include <cstddef>
#include <vector>

class FreeRecord {
  public:
    // Recording starts; only one record runs at a time.
    FreeRecord();
    ~FreeRecord();
    FreeRecord(const FreeRecord&) = delete;
    FreeRecord& operator=(const FreeRecord&) = delete;

    // The pointers of `candidates` in the order they were freed since the record started.
    std::vector<const void*> FreedAmong(const std::vector<const void*>& candidates) const;
};
