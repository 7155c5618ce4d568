#pragma once

// Every text of the about box, by role.
namespace tarvok::text {

// The caption. %s is the application title, after an ideographic space.
inline constexpr char kAboutCaption[] = "製品名　%s";
inline constexpr char kAboutVersionLine[] = "バージョン番号　２．０L(最終)　";

} // namespace tarvok::text
