#pragma once

#include <QByteArrayView>

namespace ui {

/// Compares two UTF-8 texts in Turkish alphabetical order, ignoring letter case
/// (A B C Ç D E F G Ğ H I İ J K L M N O Ö P R S Ş T U Ü V Y Z). Works on the bytes without building
/// strings, so sorting a large text column stays fast. Returns <0, 0 or >0.
int compareTurkish(QByteArrayView a, QByteArrayView b);

/// A sort key of fifteen characters from byte `from` on, in the order of compareTurkish: texts
/// whose keys differ compare as their keys do. When keys are equal and `full`, the texts go on
/// past the key and the next key, from `next`, decides.
struct TurkishSortKey {
    quint64 high = 0, middle = 0, low = 0;
    qsizetype next = 0;  ///< byte after the last character in the key
    bool full = false;   ///< fifteen characters were taken
};
TurkishSortKey turkishSortKey(QByteArrayView text, qsizetype from = 0);

}  // namespace ui
