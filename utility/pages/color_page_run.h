// One ownership bracket's passes over the colour page (vendor page 0x30).
#pragma once

#include "utility/monitor/device_ctrl.h"

// Operations on the colour page within one ownership bracket select the page once: after one of
// them went through, the page register still holds it. After a failure (possibly before the
// page select) the next one selects it again, so that no value lands on another page's code.
class ColorPageRun {
  public:
    PageSelect Next() const { return m_selected ? PageSelect::Skip : PageSelect::Write; }
    bool Note(bool succeeded) {
        m_selected = succeeded;
        return succeeded;
    }

  private:
    bool m_selected = false;
};
