// CHyperLink: a static text of a dialog template shown as a link to the maker's web address
// (string 245), blue, red while the mouse is over it, opened in the browser when clicked.
#pragma once

#include "framework/link_static_win.h"

#include <string>

class CHyperLink : public CLinkStatic {
  public:
    static constexpr UINT kUrlStringId = 245;
    static constexpr UINT kCursorId = 294;

    CHyperLink();

    const std::string& Url() const { return m_url; }

  protected:
    // Prepares the template's static before its messages come here: click notification,
    // underlined font, the address as text.
    void PreSubclassWindow() override;
    // The click, reflected by the parent (the control colour goes to the base).
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Opens `url` with the shell's "open" verb.
    virtual void OpenUrl(const std::string& url);

  private:
    std::string m_url;
};
