// CByteEdit: an edit control that keeps at most a number of bytes of the system code page (1024
// unless set), cutting what goes beyond after a whole character whenever its text changes, by
// typing or pasting alike.
#pragma once

#include "framework/edit_win.h"
#include "utility/eyecare/byte_limit.h"
#include "utility/text/code_page_win.h"

#include <cstddef>

class CByteEdit : public CEdit {
  public:
    // 0 or more than 1024 gives 1024.
    void SetByteLimit(std::size_t limit) { m_limit = ByteEditLimit(limit); }
    std::size_t ByteLimit() const { return m_limit; }

  protected:
    // The parent's EN_UPDATE, reflected here: the text is cut before the control shows it.
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void KeepWithinLimit();

    std::size_t m_limit = kByteEditMostBytes;
    SystemCodePage m_codePage;
};
