// CHyperLink: the information page's link. It shows its own address, turns red while the
// pointer is over it and opens the address with the shell when clicked.
#pragma once

#include "launcher/link_static_win.h"

#include <string>

class CHyperLink : public CLinkStatic {
  public:
    // Stores `url` and shows it as the control's text.
    void SetURL(const std::wstring& url);
    const std::wstring& Url() const { return m_url; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // Answers whether the default processing should follow.
    bool OnMouseMove(POINT point);

    std::wstring m_url;
};
