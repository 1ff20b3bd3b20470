// CHyperLink: a static text of a dialog template shown as a link to the maker's web address
// (string 245), blue, red while the mouse is over it, opened in the browser when clicked.
#pragma once

#include "framework/handles_win.h"
#include "framework/static_win.h"

#include <string>

class CHyperLink : public CStatic {
  public:
    static constexpr UINT kUrlStringId = 245;
    static constexpr UINT kCursorId = 294;

    const std::string& Url() const { return m_url; }

  protected:
    // Prepares the template's static before its messages come here: click notification,
    // underlined font, the address as text.
    void PreSubclassWindow() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The control colour and the click, reflected by the parent.
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Opens `url` with the shell's "open" verb.
    virtual void OpenUrl(const std::string& url);

  private:
    void OnMouseMove(POINT point);

    int m_hover = 0;
    COLORREF m_colorNormal = RGB(23, 70, 184);
    COLORREF m_colorHover = RGB(255, 0, 0);
    std::string m_url;
    ScopedFont m_font;
};
