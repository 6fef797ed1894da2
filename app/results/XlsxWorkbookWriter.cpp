#include "XlsxWorkbookWriter.h"

#include <xlsxwriter.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>
#include <memory>

#include "DocumentMessages.h"
#include "ExportMessages.h"
#include "TExportWorkbook.h"
#include "XlsxPackage.h"

namespace {

// The library's failure as a reason for the user; LXW_NO_ERROR gives an empty text.
QString LibraryReason(lxw_error error) {
  if (error == LXW_NO_ERROR) return QString();
  return ExportText::LibraryError(QString::fromUtf8(lxw_strerror(error)));
}

// A worksheet has LXW_ROW_MAX rows and LXW_COL_MAX columns; checked before the library's
// narrower index types could wrap a column beyond them onto another one.
bool OnSheet(int row, int column) {
  return row >= 1 && row <= LXW_ROW_MAX && column >= 1 && column <= LXW_COL_MAX;
}

struct WorkbookFree {
  void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};

// Renders the layout through the spreadsheet library into `fileName`. Returns the reason of
// the first failure; the library frees the workbook in both cases.
class TLibraryRender {
 public:
  TLibraryRender(const TExportWorkbook& layout, const QString& fileName)
      : fLayout(layout), fFileName(QFile::encodeName(fileName)) {}

  QString Run() {
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;  // the charts' cached values come from the cells
    std::unique_ptr<lxw_workbook, WorkbookFree> workbook(
        workbook_new_opt(fFileName.constData(), &options));
    if (!workbook) return LibraryReason(LXW_ERROR_MEMORY_MALLOC_FAILED);
    fWorkbook = workbook.get();
    fHeading = workbook_add_format(fWorkbook);
    if (!fHeading) return LibraryReason(LXW_ERROR_MEMORY_MALLOC_FAILED);
    format_set_bold(fHeading);
    format_set_align(fHeading, LXW_ALIGN_VERTICAL_CENTER);

    if (lxw_error e = WriteLegend(); e != LXW_NO_ERROR) return LibraryReason(e);
    for (int i = 1; i <= fLayout.PlotCount(); ++i) {
      if (lxw_error e = WriteDataSheet(fLayout.Page(i)); e != LXW_NO_ERROR) return LibraryReason(e);
      if (lxw_error e = WriteChart(fLayout.Chart(i)); e != LXW_NO_ERROR) return LibraryReason(e);
    }
    // Closing writes the file and frees the workbook, also when writing fails.
    return LibraryReason(workbook_close(workbook.release()));
  }

 private:
  lxw_error WriteCell(lxw_worksheet* sheet, const TPlacedCell& placed) {
    if (!OnSheet(placed.Row, placed.Column)) return LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE;
    const auto row = static_cast<lxw_row_t>(placed.Row - 1);
    const auto column = static_cast<lxw_col_t>(placed.Column - 1);
    const TExportCell& cell = placed.Cell;
    lxw_format* format = cell.Heading ? fHeading : nullptr;
    switch (cell.Kind) {
      case TExportCell::TKind::Empty:
        return LXW_NO_ERROR;
      case TExportCell::TKind::Number:
        return worksheet_write_number(sheet, row, column, cell.Number, format);
      case TExportCell::TKind::Text: {
        const QByteArray text = cell.Text.toUtf8();
        if (cell.Link.isEmpty()) return worksheet_write_string(sheet, row, column, text.constData(), format);
        const QByteArray url = QByteArrayLiteral("internal:") + cell.Link.toUtf8();
        return worksheet_write_url_opt(sheet, row, column, url.constData(), format, text.constData(), nullptr);
      }
    }
    return LXW_NO_ERROR;
  }

  lxw_worksheet* AddWorksheet(const QString& name) {
    return workbook_add_worksheet(fWorkbook, name.toUtf8().constData());
  }

  lxw_error WriteLegend() {
    lxw_worksheet* sheet = AddWorksheet(QString::fromLatin1(TExportWorkbook::kLegendSheet));
    if (!sheet) return LXW_ERROR_PARAMETER_VALIDATION;
    for (const TPlacedCell& cell : fLayout.LegendCells())
      if (lxw_error e = WriteCell(sheet, cell); e != LXW_NO_ERROR) return e;
    for (const TExportWorkbook::TColumnWidth& width : fLayout.LegendWidths()) {
      const auto column = static_cast<lxw_col_t>(width.Column - 1);
      if (lxw_error e = worksheet_set_column(sheet, column, column, width.Width, nullptr); e != LXW_NO_ERROR)
        return e;
    }
    return LXW_NO_ERROR;
  }

  lxw_error WriteDataSheet(const TExportDataSheet& page) {
    lxw_worksheet* sheet = AddWorksheet(page.Name());
    if (!sheet) return LXW_ERROR_PARAMETER_VALIDATION;
    for (const TPlacedCell& cell : page.Heading())
      if (lxw_error e = WriteCell(sheet, cell); e != LXW_NO_ERROR) return e;
    lxw_error failure = LXW_NO_ERROR;
    page.ForEachNumber([&](int row, int column, double value) {
      if (failure != LXW_NO_ERROR) return;
      if (!OnSheet(row, column)) {
        failure = LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE;
        return;
      }
      failure = worksheet_write_number(sheet, static_cast<lxw_row_t>(row - 1),
                                       static_cast<lxw_col_t>(column - 1), value, nullptr);
    });
    return failure;
  }

  lxw_error WriteChart(const TExportChart& layout) {
    lxw_chartsheet* sheet = workbook_add_chartsheet(fWorkbook, layout.Name.toUtf8().constData());
    lxw_chart* chart = workbook_add_chart(fWorkbook, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
    if (!sheet || !chart) return LXW_ERROR_PARAMETER_VALIDATION;
    const QByteArray dataSheet = layout.DataSheet.toUtf8();
    for (const TExportSeries& s : layout.Series) {
      lxw_chart_series* series =
          chart_add_series(chart, s.XValues.toUtf8().constData(), s.YValues.toUtf8().constData());
      if (!series) return LXW_ERROR_MEMORY_MALLOC_FAILED;
      // The library reads a name that begins with "=" as a cell reference: such a name
      // comes from its cell on the data sheet instead.
      if (s.Name.startsWith(QLatin1Char('=')))
        chart_series_set_name_range(series, dataSheet.constData(), TExportDataSheet::kLineNameRow - 1,
                                    static_cast<lxw_col_t>(s.NameColumn - 1));
      else
        chart_series_set_name(series, s.Name.toUtf8().constData());
      if (!layout.Markers) chart_series_set_marker_type(series, LXW_CHART_MARKER_NONE);
    }
    if (layout.Series.empty()) {
      // A chart needs a series: a plot without lines gets one over the empty first column
      // pair, left out of the legend.
      const QString x = QStringLiteral("=%1!$A$6:$A$6").arg(layout.DataSheet);
      const QString y = QStringLiteral("=%1!$B$6:$B$6").arg(layout.DataSheet);
      if (!chart_add_series(chart, x.toUtf8().constData(), y.toUtf8().constData()))
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
      int16_t hidden[] = {0, -1};
      if (lxw_error e = chart_legend_delete_series(chart, hidden); e != LXW_NO_ERROR) return e;
    }
    chart_title_off(chart);
    SetAxis(chart->x_axis, layout.XTitle);
    SetAxis(chart->y_axis, layout.YTitle);
    if (layout.ReverseY) chart_axis_set_reverse(chart->y_axis);
    if (lxw_error e = chartsheet_set_chart(sheet, chart); e != LXW_NO_ERROR) return e;
    chartsheet_set_landscape(sheet);
    return LXW_NO_ERROR;
  }

  static void SetAxis(lxw_chart_axis* axis, const QString& title) {
    if (!title.isEmpty()) chart_axis_set_name(axis, title.toUtf8().constData());
    chart_axis_major_gridlines_set_visible(axis, LXW_TRUE);
  }

  const TExportWorkbook& fLayout;
  const QByteArray fFileName;
  lxw_workbook* fWorkbook = nullptr;
  lxw_format* fHeading = nullptr;
};

TWorkbookWriteResult Failed(const QString& reason) { return {false, reason}; }

}  // namespace

TWorkbookWriteResult WriteXlsxWorkbook(const TExportWorkbook& workbook, const QString& fileName) {
  // Opened first: a folder that cannot take the file stops the export before any work.
  QSaveFile target(fileName);
  if (!target.open(QIODevice::WriteOnly)) return Failed(target.errorString());

  QTemporaryFile scratch(QDir(QDir::tempPath()).filePath(QStringLiteral("torvex-export-XXXXXX.xlsx")));
  if (!scratch.open()) return Failed(ExportText::ScratchFileFailed(scratch.errorString()));
  if (const QString reason = TLibraryRender(workbook, scratch.fileName()).Run(); !reason.isEmpty())
    return Failed(reason);

  QFile written(scratch.fileName());
  if (!written.open(QIODevice::ReadOnly)) return Failed(ExportText::ScratchFileFailed(written.errorString()));
  const TPackageResult package = FinishXlsxPackage(written.readAll(), workbook.PlotCount());
  if (!package.Failure.isEmpty()) return Failed(package.Failure);

  const QByteArray& bytes = package.Package;
  // A short write (a full disk, a size limit) does not always raise an error on its way
  // through the buffers: the size on disk is checked before the file replaces the old one.
  const bool complete = target.write(bytes) == bytes.size() && target.flush() && target.size() == bytes.size();
  if (!complete) {
    const QString reason =
        target.error() != QFileDevice::NoError ? target.errorString() : DocumentText::ShortWrite();
    target.cancelWriting();
    return Failed(reason);
  }
  if (!target.commit()) return Failed(target.errorString());
  return {true, QString()};
}
