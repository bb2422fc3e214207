#pragma once

#include <QByteArrayView>

namespace ui {

/// Compares two UTF-8 texts in Turkish alphabetical order, ignoring letter case
/// (A B C Ç D E F G Ğ H I İ J K L M N O Ö P R S Ş T U Ü V Y Z). Works on the bytes without building
/// strings, so sorting a large text column stays fast. Returns <0, 0 or >0.
int compareTurkish(QByteArrayView a, QByteArrayView b);

}  // namespace ui
