#pragma once

// Texts of the dialog that names the five pages.
namespace tarvok::text {

inline constexpr char kPageNameCaption[] = "ページネーム設定画面";
// The labels of the five fields: an ASCII space, then the page number as a full-width digit.
inline constexpr const char* kPageNameLabels[] = {"画面 １", "画面 ２", "画面 ３", "画面 ４",
                                                  "画面 ５"};

} // namespace tarvok::text
