// The programs the launcher starts when the user leaves through Exit: the Run value of every
// installer the user started, from an item page or from the sub-item dialog, each once and in
// the order started. One list for the whole launcher, so that an installer started from the
// sub-item dialog is still remembered once that dialog has gone.
#pragma once

#include "launcher/core/launcher_info.h"

#include <string>
#include <vector>

class RegisteredApps {
  public:
    // `installer` started its installer: its Run value is started on leaving. An item without a
    // Run value name, or one already noted, adds nothing.
    void Note(const ItemInfo& installer);
    // The Run value names noted, in order; the list is empty afterwards, so each starts once.
    std::vector<std::wstring> Take();

  private:
    std::vector<std::wstring> m_runValueNames;
};
