#pragma once

// Pictures and documents the server hands out: part pictures, announcement and advertisement
// posters (JPEG), banners (GIF, animated or still, and the lower strip as a bitmap), reports and
// card-payment receipts (PDF), and the hexadecimal text that carries a picture inside a record.
//
// Every function here is pure: it reads only its argument, keeps no state and touches no
// database or socket, so the same input always gives the same bytes (PDFs aside, which carry
// their creation time). Functions that draw text (everything but encodeGif and pictureHexText)
// need a QGuiApplication to exist, on any platform plugin ("offscreen" on a server); once it
// exists they may run on any thread, several at a time. Text is set in DejaVu Sans, which
// covers the Turkish letters.

#include "server/media/banner.h"
#include "server/media/card_receipt_pdf.h"
#include "server/media/gif_encoder.h"
#include "server/media/hex_text.h"
#include "server/media/money_text.h"
#include "server/media/part_picture.h"
#include "server/media/poster.h"
#include "server/media/report_pdf.h"
