#include "app/slot_column.h"

#include "app/layout.h"
#include "app/menus.h"
#include "app/texts.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/text.h"
#include "settings/slot_record.h"
#include "settings/text_format.h"

#include <algorithm>

namespace tarvok {

namespace {
std::string keyLabelText(int keyNumber) {
    return text::kKeyLabelPrefix + std::to_string(keyNumber);
}

// The caption alone would not say which key opens the slot, and an empty slot would be an
// unnamed button; the window text stays the caption, as the settings file holds it.
std::string spokenName(int keyNumber, const std::string& caption) {
    const std::string key = std::to_string(keyNumber);
    return caption.empty() ? formatMessage(text::kEmptySlotSpoken, {key})
                           : formatMessage(text::kSlotSpoken, {key, caption});
}
// An empty slot shows nothing, whatever name a hand-edited file gives it.
std::string shownCaption(const SlotRecord& record) {
    return record.state() == SlotState::Empty ? std::string{} : record.caption;
}
} // namespace

void SlotColumn::makeFonts(UINT dpi) {
    dpi_ = dpi;
    buttonFont_ = uiFont(layout::kFontWindow, false, dpi);
    keyLabelFont_ = uiFont(layout::kFontKeyLabel, true, dpi);
}

// The key label is as wide as its text and keeps its right edge 4 pixels left of the buttons.
// `dc` has the label font selected.
RECT SlotColumn::keyLabelBounds(HDC dc, int keyNumber) const {
    const std::wstring text = widen(keyLabelText(keyNumber));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    const int right = scale(layout::kKeyLabelRight, dpi_);
    const int top =
        scale(layout::kKeyLabelTop + layout::kSlotPitch * (keyNumber - kFirstKeyNumber), dpi_);
    return {right - size.cx, top, right, top + scale(layout::kKeyLabelHeight, dpi_)};
}

void SlotColumn::create(HWND parent, UINT dpi, const Settings* settings, int page) {
    makeFonts(dpi);
    const WindowDc dc(parent);
    const Selection font(dc.get(), keyLabelFont_.get());
    pendingGlyphs_.clear();
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        const SlotRecord record =
            settings != nullptr ? readSlot(*settings, slotKey(page, n)) : SlotRecord{};
        if (record.state() == SlotState::Program) {
            pendingGlyphs_.emplace_back(n, record.path);
        }
        button(n).create(parent, cmd::kSlotButtonBase + n, shownCaption(record),
                         SpeedButton::Focus::Takes,
                         scaledRect(layout::slotBox(n - kFirstKeyNumber), dpi), buttonFont_.get());
        button(n).annotate(
            {.name = [this, n](HWND) { return spokenName(n, button(n).caption()); }});
        keyLabels_[static_cast<std::size_t>(n - kFirstKeyNumber)] =
            makeChild(parent, L"STATIC", keyLabelText(n), SS_RIGHT | SS_NOPREFIX,
                      cmd::kKeyLabelBase + n, keyLabelBounds(dc.get(), n), keyLabelFont_.get());
    }
}

void SlotColumn::layout(UINT dpi) {
    makeFonts(dpi);
    const WindowDc dc(button(kFirstKeyNumber).hwnd());
    const Selection font(dc.get(), keyLabelFont_.get());
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        moveTo(button(n).hwnd(), layout::slotBox(n - kFirstKeyNumber), dpi);
        setFont(button(n).hwnd(), buttonFont_.get());
        HWND label = keyLabels_[static_cast<std::size_t>(n - kFirstKeyNumber)];
        setFont(label, keyLabelFont_.get());
        const RECT r = keyLabelBounds(dc.get(), n);
        MoveWindow(label, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
}

int SlotColumn::keyNumberOf(HWND control) const {
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        if (control != nullptr && button(n).hwnd() == control) {
            return n;
        }
    }
    return 0;
}

std::string SlotColumn::caption(int keyNumber) const {
    return button(keyNumber).caption();
}

void SlotColumn::show(int keyNumber, const std::string& caption, const std::string& glyphPath) {
    button(keyNumber).show(caption, glyphPath.empty() ? nullptr : glyphs_.glyphFor(glyphPath));
}

bool SlotColumn::fill(const Settings& settings, int page, bool deferGlyphs) {
    pendingGlyphs_.clear();
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        const SlotRecord record = readSlot(settings, slotKey(page, n));
        const bool program = record.state() == SlotState::Program;
        if (program && deferGlyphs) {
            pendingGlyphs_.emplace_back(n, record.path);
        }
        button(n).show(shownCaption(record),
                       program && !deferGlyphs ? glyphs_.glyphFor(record.path) : nullptr);
    }
    return !pendingGlyphs_.empty();
}

void SlotColumn::clear() {
    pendingGlyphs_.clear();
    for (auto& b : buttons_) {
        b.show("", nullptr);
    }
}

void SlotColumn::fillGlyphs() {
    // A page turn in between has shown its own glyphs and emptied the list.
    const auto pending = std::exchange(pendingGlyphs_, {});
    for (const auto& [keyNumber, path] : pending) {
        button(keyNumber).setGlyph(glyphs_.glyphFor(path));
    }
}

bool SlotColumn::walk(HWND focus, int step) const {
    const int keyNumber = keyNumberOf(focus);
    if (keyNumber == 0) {
        return false;
    }
    SetFocus(button(std::clamp(keyNumber + step, kFirstKeyNumber, kLastKeyNumber)).hwnd());
    return true;
}

bool SlotColumn::isKeyLabel(HWND control) const {
    return std::find(keyLabels_.begin(), keyLabels_.end(), control) != keyLabels_.end();
}

bool SlotColumn::draw(const DRAWITEMSTRUCT& item) const {
    const int keyNumber = keyNumberOf(item.hwndItem);
    if (keyNumber != 0) {
        button(keyNumber).paint(item, dpi_);
    }
    return keyNumber != 0;
}

} // namespace tarvok
