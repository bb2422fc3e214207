#pragma once

// Every record class that travels between the client and the server.
#include "wire/records/acilis_ekran.h"
#include "wire/records/mobil_cari_bilgisi.h"
#include "wire/records/mobil_sepet.h"
#include "wire/records/mobil_stok.h"
#include "wire/records/siparis_dip_ayrinti.h"
#include "wire/records/sonuc_bilgisi.h"
#include "wire/records/tus_sonuclari.h"
