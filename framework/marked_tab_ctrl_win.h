// CMarkedTabCtrl: a tab control that marks its selected tab. It never erases its background
// (the pages and the parent's background cover it); after its own painting it fills the
// selected tab in a light colour, draws the tab's title again in the parent's font and puts a
// coloured bar along the tab's top.
#pragma once

#include "framework/handles_win.h"
#include "framework/tab_ctrl_win.h"

class CMarkedTabCtrl : public CTabCtrl {
  public:
    CMarkedTabCtrl(COLORREF selectedFill, COLORREF selectedBar)
        : m_selectedFill(selectedFill), m_selectedBar(selectedBar) {}

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void PaintSelectedItem();

    COLORREF m_selectedFill;
    COLORREF m_selectedBar;
    // Made from the parent's font for one paint and deleted again at its end.
    ScopedFont m_selFont;
};
