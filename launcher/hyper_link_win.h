// CHyperLink: the information page's link. It shows its own address, turns red while the
// pointer is over it and opens the address with the shell when clicked.
#pragma once

#include "framework/link_static_win.h"

#include <string>

class CHyperLink : public CLinkStatic {
  public:
    CHyperLink();

    // Stores `url` and shows it as the control's text.
    void SetURL(const std::wstring& url);
    const std::wstring& Url() const { return m_url; }

  protected:
    // The click, reflected by the parent (the control colour goes to the base).
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    std::wstring m_url;
};
