"""Reads an .xlsx workbook with openpyxl and prints what the export tests check, as JSON.

    read_workbook.py WORKBOOK

An independent reader of the written file: sheet names and kinds in order; for every
worksheet its text cells (with hyperlinks, bold and column widths) and a summary of its
numeric cells; for every chart sheet its charts with their series, axes and legend.
"""
import json
import sys

import openpyxl


def rich_text(title):
    if title is None or title.tx is None or title.tx.rich is None:
        return None
    runs = []
    for paragraph in title.tx.rich.p:
        for run in paragraph.r or []:
            runs.append(run.t)
    return "".join(runs)


def colour(fill):
    if fill is None or fill.srgbClr is None:
        return None
    value = fill.srgbClr
    return value if isinstance(value, str) else value.val


def series_name(tx):
    if tx is None:
        return None
    if tx.strRef is not None:
        return "ref:" + tx.strRef.f
    return tx.v


def worksheet(ws):
    texts = []
    numbers = {"count": 0, "sum": 0.0, "first_row": None, "last_row": 0, "last_column": 0}
    others = []
    for row in ws.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            if isinstance(cell.value, bool) or not isinstance(cell.value, (int, float)):
                entry = {"cell": cell.coordinate, "value": str(cell.value), "bold": bool(cell.font.b)}
                if cell.hyperlink is not None:
                    entry["link"] = cell.hyperlink.location
                texts.append(entry)
                continue
            if cell.row <= 5:
                others.append({"cell": cell.coordinate, "value": cell.value})
            numbers["count"] += 1
            numbers["sum"] += float(cell.value)
            numbers["last_row"] = max(numbers["last_row"], cell.row)
            numbers["last_column"] = max(numbers["last_column"], cell.column)
            if numbers["first_row"] is None or cell.row < numbers["first_row"]:
                numbers["first_row"] = cell.row
    widths = {key: dim.width for key, dim in ws.column_dimensions.items() if dim.width}
    return {"texts": texts, "numbers": numbers, "numbers_in_heading": others, "widths": widths}


def axis(ax):
    return {
        "title": rich_text(ax.title),
        "orientation": ax.scaling.orientation,
        "gridlines": ax.majorGridlines is not None,
        "deleted": bool(ax.delete),
    }


def chart(c):
    legend = c.legend
    frame = {"border": None, "fill": None}
    if legend is not None and legend.spPr is not None:
        if legend.spPr.ln is not None:
            frame["border"] = colour(legend.spPr.ln.solidFill)
        frame["fill"] = colour(legend.spPr.solidFill)
    return {
        "type": c.tagname,
        "style": getattr(c, "scatterStyle", None),
        "title": rich_text(c.title),
        "series": [
            {
                "name": series_name(s.tx),
                "x": s.xVal.numRef.f if s.xVal is not None and s.xVal.numRef is not None else None,
                "y": s.yVal.numRef.f if s.yVal is not None and s.yVal.numRef is not None else None,
                "marker": s.marker.symbol if s.marker is not None else None,
            }
            for s in c.series
        ],
        "x_axis": axis(c.x_axis),
        "y_axis": axis(c.y_axis),
        "legend": legend is not None,
        "legend_frame": frame,
    }


def main():
    wb = openpyxl.load_workbook(sys.argv[1])
    result = {"sheets": [], "worksheets": {}, "chartsheets": {}}
    for sheet in wb._sheets:
        is_chart = isinstance(sheet, openpyxl.chartsheet.Chartsheet)
        result["sheets"].append({"name": sheet.title, "kind": "chart" if is_chart else "work"})
        if is_chart:
            result["chartsheets"][sheet.title] = [chart(c) for c in sheet._charts]
        else:
            result["worksheets"][sheet.title] = worksheet(sheet)
    result["active"] = wb.active.title
    json.dump(result, sys.stdout)


if __name__ == "__main__":
    main()
