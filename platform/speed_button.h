#pragma once

#include "platform/accessibility.h"
#include "platform/glyph.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tarvok {

// A flat button: a real BUTTON child (owner-drawn) whose window text is its caption, so
// screen readers and automation read it. The border shows only while the mouse is over it;
// the glyph sits at the left margin and the caption follows it. The slot buttons of the main
// window take the keyboard focus like any button; a click on a speed button of the dialogs
// leaves the focus where it was, as on tool buttons, while Tab still reaches it and Space or
// Enter presses it.
class SpeedButton {
  public:
    enum class Focus { Takes, Keeps };

    SpeedButton() = default;
    SpeedButton(const SpeedButton&) = delete;
    SpeedButton& operator=(const SpeedButton&) = delete;

    void create(HWND parent, int id, const std::string& caption, Focus focus);
    // Made where it belongs, in its font.
    void create(HWND parent, int id, const std::string& caption, Focus focus, const RECT& bounds,
                HFONT font);
    HWND hwnd() const { return hwnd_; }
    std::string caption() const;

    // Caption and glyph (none when null) in one change, painted once.
    void show(const std::string& caption, std::shared_ptr<const Glyph> glyph);
    void setGlyph(std::shared_ptr<const Glyph> glyph);
    bool hasGlyph() const { return static_cast<bool>(glyph_); }
    // Design pixels between the left edge and the glyph (or the caption without one);
    // kCentred puts glyph and caption together in the middle.
    static constexpr int kCentred = -1;
    void setMargin(int designPixels) { margin_ = designPixels; }

    // The raised border the mouse gives, shown while files are dragged over the button: the
    // mouse then belongs to the drag and moves nothing over the button itself.
    void showHot(bool hot);
    bool hot() const { return hot_; }

    // What a screen reader is told of the button on top of what the system says of it.
    void annotate(AccessibleAnnotation annotation) {
        annotation_ = std::make_shared<const AccessibleAnnotation>(std::move(annotation));
    }

    // The speed button behind a window; null for any other window.
    static const SpeedButton* of(HWND button);

    // The parent's WM_DRAWITEM for this button: paints it. The parent knows its buttons, so
    // no lookup runs on the way.
    void paint(const DRAWITEMSTRUCT& item, UINT dpi) const { draw(item, dpi); }

  private:
    void draw(const DRAWITEMSTRUCT& item, UINT dpi) const;
    static LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT keepFocusMouse(HWND h, UINT m, LPARAM l);

    HWND hwnd_ = nullptr;
    // The window text as last set, kept here: painting reads it every time, and asking the
    // window would send two messages through the whole subclass chain.
    WNDPROC buttonProcedure_ = nullptr;
    std::wstring caption_;
    HFONT font_ = nullptr; // as last set, for the same reason
    std::shared_ptr<const Glyph> glyph_;
    std::shared_ptr<const AccessibleAnnotation> annotation_;
    Focus focus_ = Focus::Takes;
    int margin_ = 3;
    bool hot_ = false;
    bool pressed_ = false; // mouse held down on a button that keeps the focus elsewhere
};

} // namespace tarvok
