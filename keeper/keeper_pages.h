#pragma once

#include <cstdint>

#include "bet_pages.h"
#include "coupon_app.h"

// Command ids of the keeper's "Boletos" menu.
inline constexpr int NextPageId = 1010;
inline constexpr int PreviousPageId = 1011;
inline constexpr int FirstPageId = 1012;
inline constexpr int LastPageId = 1013;
inline constexpr int SavePagesId = 1014;

// Draws the page on screen as the first page is drawn, with its marks, on
// pictureBitmap and shows it; a check shown stays shown on the new page.
void DrawPage(CouponApp& app);
// Names the coupon for screen readers: "Boleto", or "Boleto, página 2 de 5"
// while the bet spans several pages, and its cells by the bet's columns.
void TellPage(CouponApp& app);

// Goes to another page; nothing happens when the move leads nowhere.
void MovePage(CouponApp& app, PageMove move);
// Page Down / Page Up, Ctrl+Home / Ctrl+End. False for any other key.
bool PageKey(CouponApp& app, std::uint32_t key, std::uint32_t modifiers);

// "Grabar páginas BMP": every page up to the last that holds a mark as
// "<name> 01.bmp", "<name> 02.bmp", ...; one box at the end or at the first
// failure, after which no further page is written.
void SavePagesCommand(CouponApp& app);
