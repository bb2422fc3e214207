#include "client/ui/grid/grid_excel.h"

#include <xlsxwriter.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QTableView>

#include "client/app/workstation/folders.h"
#include "client/ui/grid/data_grid.h"
#include "client/ui/mesaj_goster.h"
#include "wire/client_table.h"

namespace ui {

namespace {

const QString kExcelFilter = QStringLiteral("Excel (*.xls*)");

QString askWithDialog(QWidget* sahip, const QString& filter) {
    return QFileDialog::getSaveFileName(sahip, QString(), BelgelerKlasoru(), filter);
}

KayitYeriSorucu& sorucu() {
    static KayitYeriSorucu current = askWithDialog;
    return current;
}

/// Excel's number format for a table column's display format.
QByteArray excelNumberFormat(const wire::ClientTable& table, int col) {
    switch (table.column(col).type) {
        case wire::FieldType::Real:
            return "#,##0.00";
        case wire::FieldType::Date:
            return "dd.mm.yyyy";
        default:
            return {};
    }
}

class WorkbookWriter {
public:
    WorkbookWriter(const DataGrid& grid, lxw_workbook* book)
        : model_(*grid.model()), table_(*grid.model()->table()), book_(book) {
        sheet_ = workbook_add_worksheet(book_, "Sayfa1");
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
        group_ = workbook_add_format(book_);
        format_set_bold(group_);
        format_set_bg_color(group_, 0xDEE6EE);
        for (int c : grid.visibleColumns()) {
            if (model_.tableColumn(c) < 0)
                continue;  // drawn by the window, no data of its own
            columns_ << c;
            const QByteArray numberFormat = excelNumberFormat(table_, model_.tableColumn(c));
            lxw_format* format = nullptr;
            if (!numberFormat.isEmpty()) {
                format = workbook_add_format(book_);
                format_set_num_format(format, numberFormat.constData());
            }
            formats_ << format;
            widths_ << grid.view()->columnWidth(c);
        }
    }

    void write() {
        for (int i = 0; i < columns_.size(); ++i) {
            const GridColumn& column = model_.column(columns_[i]);
            const QString caption =
                column.headerText().isEmpty() ? column.field : column.headerText();
            worksheet_write_string(sheet_, 0, lxw_col_t(i), caption.toUtf8().constData(), bold_);
            worksheet_set_column(sheet_, lxw_col_t(i), lxw_col_t(i),
                                 std::clamp(widths_[i] / 7.0, 6.0, 60.0), formats_[i]);
        }
        worksheet_freeze_panes(sheet_, 1, 0);
        if (model_.groupColumn() >= 0) {
            for (int g = 0; g < model_.groupCount(); ++g) {
                const QString title = model_.column(model_.groupColumn()).headerText() +
                                      QStringLiteral(": ") + model_.groupTitle(g);
                worksheet_write_string(sheet_, row_, 0, title.toUtf8().constData(), group_);
                ++row_;
                const auto [first, last] = model_.groupRange(g);
                writeRows(first, last);
            }
        } else {
            writeRows(0, model_.dataRowCount());
        }
    }

private:
    void writeRows(int first, int last) {
        for (int i = first; i < last; ++i, ++row_) {
            const int source = model_.orderedSourceRow(i);
            for (int c = 0; c < columns_.size(); ++c)
                writeCell(source, c);
        }
    }

    void writeCell(int source, int index) {
        const int col = model_.tableColumn(columns_[index]);
        if (table_.isNull(source, col))
            return;
        const auto x = lxw_col_t(index);
        switch (table_.column(col).type) {
            case wire::FieldType::Text: {
                const QByteArrayView text = table_.utf8At(source, col);
                if (!text.isEmpty())
                    worksheet_write_string(sheet_, row_, x,
                                           QByteArray(text.data(), text.size()).constData(),
                                           formats_[index]);
                break;
            }
            case wire::FieldType::Boolean:
                worksheet_write_boolean(sheet_, row_, x, table_.booleanAt(source, col),
                                        formats_[index]);
                break;
            default:
                // Integers, money and dates: an OLE date is the spreadsheet's own day number.
                worksheet_write_number(sheet_, row_, x, table_.numberAt(source, col),
                                       formats_[index]);
                break;
        }
    }

    const GridModel& model_;
    const wire::ClientTable& table_;
    lxw_workbook* book_;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* group_ = nullptr;
    QList<int> columns_;
    QList<lxw_format*> formats_;
    QList<int> widths_;
    lxw_row_t row_ = 1;
};

}  // namespace

QString workbookFileName(const QString& chosen) {
    const QFileInfo info(chosen);
    if (info.suffix().isEmpty())
        return chosen + QStringLiteral(".xlsx");
    if (info.suffix().compare(QStringLiteral("xls"), Qt::CaseInsensitive) == 0)
        return chosen + QStringLiteral("x");
    return chosen;
}

bool writeGridWorkbook(const DataGrid& grid, const QString& path) {
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (!book)
        return false;
    if (grid.model()->table())
        WorkbookWriter(grid, book).write();
    else
        workbook_add_worksheet(book, "Sayfa1");
    return workbook_close(book) == LXW_NO_ERROR;
}

bool GridExceleAktar(DataGrid& grid, QWidget* sahip) {
    const QString chosen = sorucu()(sahip ? sahip : grid.window(), kExcelFilter);
    if (chosen.isEmpty())
        return false;
    const QString path = workbookFileName(chosen);
    if (writeGridWorkbook(grid, path))
        return true;
    MesajGoster(QStringLiteral("Excel dosyası kaydedilemedi:\n%1").arg(path), MesajTuru::Hata,
                {MesajDugmesi::Tamam}, MesajDugmesi::Tamam, sahip);
    return false;
}

KayitYeriSorucu kayitYeriSorucusuKur(KayitYeriSorucu yeni) {
    return std::exchange(sorucu(), yeni ? std::move(yeni) : KayitYeriSorucu(askWithDialog));
}

}  // namespace ui
