// Reads the launcher information file into the launcher's caption and tab records. The file is
// read once; a missing file, bad XML or a wrong root element leave both empty, silently.
#pragma once

#include "launcher/core/launcher_info.h"
#include "xml/xml_dom_port.h"

#include <memory>
#include <string>

class LauncherInfoReader {
  public:
    // Reads through `document`, which the reader owns; a null document reads nothing.
    explicit LauncherInfoReader(std::unique_ptr<XmlDomDocument> document)
        : document_(std::move(document)) {}
    // Releases the document (and with it, on Windows, the parser and COM).
    virtual ~LauncherInfoReader() = default;
    LauncherInfoReader(const LauncherInfoReader&) = delete;
    LauncherInfoReader& operator=(const LauncherInfoReader&) = delete;

    // Loads the file at `path` and fills `launcherTitle` ("Launcher_Title") and appends the
    // accepted tabs to `tabs`, at most four tab elements being read. Elements are found by name
    // among the direct children of their parent only; absent ones leave empty strings, zero
    // masks and empty lists.
    void Load(const std::wstring& path, std::wstring& launcherTitle, TabList& tabs);

  private:
    std::unique_ptr<XmlDomDocument> document_;
};
