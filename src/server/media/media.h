#pragma once

// Pictures and documents the server hands out: part pictures, announcement and advertisement
// posters (JPEG), banners (GIF, animated or still, and the lower strip as a bitmap), reports and
// card-payment receipts (PDF), and the hexadecimal text that carries a picture inside a record.
//
// Every function here is pure: it reads only its argument, keeps no state and touches no
// database or socket, so the same input always gives the same bytes (PDFs aside, which carry
// their creation time).
//
// The renderers (renderPartPicture*, renderPoster*, renderBanner*, render*Bitmap, render*Pdf)
// draw text and so need a QGuiApplication to exist, on any platform plugin ("offscreen" on a
// server); once it exists they may run on any thread, several at a time. encodeGif,
// buildPalette, toIndexed, pictureHexText, formatMoney, maskCardNumber and partKindFor need
// nothing. Text is set in DejaVu Sans (fonts-dejavu-core), which covers the Turkish letters.
//
// Sizes that suit the client: part pictures 400 x 300 (the basket dialog scales them),
// posters 600 x 400 (announcement cells and the advertisement box), header banner 409 x 100,
// the upper strip a wide GIF such as 1200 x 60, the lower strip a wide bitmap such as 900 x 40
// (that client loads a bitmap there, not a GIF).

#include "server/media/banner.h"
#include "server/media/card_receipt_pdf.h"
#include "server/media/gif_encoder.h"
#include "server/media/hex_text.h"
#include "server/media/money_text.h"
#include "server/media/part_picture.h"
#include "server/media/poster.h"
#include "server/media/report_pdf.h"
