#pragma once

#include <QColor>
#include <QFont>

namespace ui {

/// Colours, fonts and sizes of a grid. The defaults are the look most lists of the program share.
struct GridAppearance {
    QColor evenRow = QColor(239, 239, 239);  ///< rows 0, 2, 4 ... of the view
    QColor oddRow = Qt::white;
    QColor selectedRow = QColor(210, 240, 249);
    QColor selectedText = Qt::black;
    QColor text = Qt::black;
    QColor header = QColor(0, 160, 210);
    QColor headerText = Qt::white;
    QColor indicator = QColor(66, 66, 66);
    QColor groupRow = QColor(222, 230, 238);
    QColor footer = QColor(232, 236, 240);
    QColor gridLine = QColor(214, 218, 222);
    QFont font = defaultFont(13, false);
    QFont headerFont = defaultFont(13, true);
    int rowHeight = 40;
    int headerHeight = 40;
    bool rowIndicator = false;  ///< a narrow bar left of the rows marking the focused one
    bool headerCentred = true;

    static QFont defaultFont(int pixelSize, bool bold,
                             const QString& family = QStringLiteral("Arial")) {
        QFont f(family);
        f.setPixelSize(pixelSize);
        f.setBold(bold);
        return f;
    }
    /// The background of a data row at `viewRow`.
    QColor rowBackground(int viewRow, bool selected) const {
        if (selected)
            return selectedRow;
        return viewRow % 2 == 0 ? evenRow : oddRow;
    }
};

}  // namespace ui
