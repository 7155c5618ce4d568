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
} // namespace

void SlotColumn::create(HWND parent) {
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        button(n).create(parent, cmd::kSlotButtonBase + n, "", SpeedButton::Focus::Takes);
        annotateAccessible(button(n).hwnd(),
                           {.name = [n](HWND slot) { return spokenName(n, windowText(slot)); }});
        keyLabels_[static_cast<std::size_t>(n - kFirstKeyNumber)] = makeChild(
            parent, L"STATIC", keyLabelText(n), SS_RIGHT | SS_NOPREFIX, cmd::kKeyLabelBase + n);
    }
}

void SlotColumn::layout(UINT dpi) {
    dpi_ = dpi;
    buttonFont_ = uiFont(layout::kFontWindow, false, dpi);
    keyLabelFont_ = uiFont(layout::kFontKeyLabel, true, dpi);
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        const int index = n - kFirstKeyNumber;
        moveTo(button(n).hwnd(), layout::slotBox(index), dpi);
        setFont(button(n).hwnd(), buttonFont_.get());
        // The key label is as wide as its text and keeps its right edge 4 pixels left of
        // the buttons.
        HWND label = keyLabels_[static_cast<std::size_t>(index)];
        setFont(label, keyLabelFont_.get());
        const int width = textWidth(label, keyLabelFont_.get(), widen(keyLabelText(n)));
        MoveWindow(label, scale(layout::kKeyLabelRight, dpi) - width,
                   scale(layout::kKeyLabelTop + layout::kSlotPitch * index, dpi), width,
                   scale(layout::kKeyLabelHeight, dpi), TRUE);
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
    return windowText(button(keyNumber).hwnd());
}

void SlotColumn::show(int keyNumber, const std::string& caption, const std::string& glyphPath) {
    button(keyNumber).show(caption, glyphPath.empty() ? nullptr : glyphs_.glyphFor(glyphPath));
}

bool SlotColumn::fill(const Settings& settings, int page, bool deferGlyphs) {
    pendingGlyphs_.clear();
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        const SlotRecord record = readSlot(settings, slotKey(page, n));
        switch (record.state()) {
        case SlotState::Program:
            if (deferGlyphs) {
                button(n).show(record.caption, nullptr);
                pendingGlyphs_.emplace_back(n, record.path);
            } else {
                button(n).show(record.caption, glyphs_.glyphFor(record.path));
            }
            break;
        case SlotState::Address:
            button(n).show(record.caption, nullptr);
            break;
        case SlotState::Empty:
            button(n).show("", nullptr);
            break;
        }
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
