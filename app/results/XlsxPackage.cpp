#include "XlsxPackage.h"

#include <unzip.h>
#include <zip.h>

#include <QXmlStreamReader>
#include <algorithm>
#include <cstring>
#include <memory>

#include "ExportMessages.h"

namespace {

// ---- A zip file in memory -----------------------------------------------------------------

// The zip library's file calls on a byte array: reading an existing package and building
// the new one without a file in between.
struct MemoryStream {
  QByteArray* Data;
  qint64 Position = 0;
};

voidpf ZCALLBACK OpenMemory(voidpf opaque, const void*, int mode) {
  auto* data = static_cast<QByteArray*>(opaque);
  if (mode & ZLIB_FILEFUNC_MODE_CREATE) data->clear();
  return new MemoryStream{data};
}

uLong ZCALLBACK ReadMemory(voidpf, voidpf stream, void* buffer, uLong size) {
  auto* s = static_cast<MemoryStream*>(stream);
  const qint64 available = std::max<qint64>(0, s->Data->size() - s->Position);
  const qint64 n = std::min<qint64>(available, static_cast<qint64>(size));
  if (n > 0) std::memcpy(buffer, s->Data->constData() + s->Position, static_cast<std::size_t>(n));
  s->Position += n;
  return static_cast<uLong>(n);
}

uLong ZCALLBACK WriteMemory(voidpf, voidpf stream, const void* buffer, uLong size) {
  auto* s = static_cast<MemoryStream*>(stream);
  const qint64 end = s->Position + static_cast<qint64>(size);
  if (end > s->Data->size()) s->Data->resize(end);
  std::memcpy(s->Data->data() + s->Position, buffer, size);
  s->Position = end;
  return size;
}

ZPOS64_T ZCALLBACK TellMemory(voidpf, voidpf stream) {
  return static_cast<ZPOS64_T>(static_cast<MemoryStream*>(stream)->Position);
}

long ZCALLBACK SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* s = static_cast<MemoryStream*>(stream);
  qint64 base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = s->Position; break;
    case ZLIB_FILEFUNC_SEEK_END: base = s->Data->size(); break;
    default: return -1;
  }
  const qint64 target = base + static_cast<qint64>(offset);
  if (target < 0) return -1;
  s->Position = target;
  return 0;
}

int ZCALLBACK CloseMemory(voidpf, voidpf stream) {
  delete static_cast<MemoryStream*>(stream);
  return 0;
}

int ZCALLBACK ErrorMemory(voidpf, voidpf) { return 0; }

zlib_filefunc64_def MemoryFileCalls(QByteArray* data) {
  zlib_filefunc64_def calls;
  calls.zopen64_file = OpenMemory;
  calls.zread_file = ReadMemory;
  calls.zwrite_file = WriteMemory;
  calls.ztell64_file = TellMemory;
  calls.zseek64_file = SeekMemory;
  calls.zclose_file = CloseMemory;
  calls.zerror_file = ErrorMemory;
  calls.opaque = data;
  return calls;
}

struct UnzipCloser {
  void operator()(void* file) const { unzClose(file); }
};
struct ZipCloser {
  void operator()(void* file) const { zipClose(file, nullptr); }
};

// ---- The parts ----------------------------------------------------------------------------

// A chart legend with a black border and a white fill (Excel's colour index 2).
const char kLegendFrame[] =
    "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill>"
    "<a:ln w=\"9525\"><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>";

bool IsXmlPart(const QByteArray& name) {
  return name.endsWith(".xml") || name.endsWith(".rels");
}

bool IsChartPart(const QByteArray& name) {
  return name.startsWith("xl/charts/chart") && name.endsWith(".xml");
}

// Well formed to its end: a part cut short by a failed write never is.
bool IsCompleteXml(const QByteArray& text) {
  QXmlStreamReader reader(text);
  while (!reader.atEnd()) reader.readNext();
  return !reader.hasError();
}

// Puts the frame into the legend, where the shape properties belong: after the position
// and layout, before the text properties.
bool FrameLegend(QByteArray& chart) {
  const qsizetype begin = chart.indexOf("<c:legend>");
  if (begin < 0) return false;
  const qsizetype end = chart.indexOf("</c:legend>", begin);
  if (end < 0) return false;
  const qsizetype text = chart.indexOf("<c:txPr>", begin);
  chart.insert(text >= 0 && text < end ? text : end, kLegendFrame);
  return true;
}

bool ReadCurrent(unzFile in, QByteArray& content, bool raw, int* method = nullptr,
                 int* level = nullptr) {
  int m = 0;
  int l = 0;
  if (unzOpenCurrentFile2(in, &m, &l, raw ? 1 : 0) != UNZ_OK) return false;
  content.clear();
  char buffer[1 << 16];
  int n = 0;
  while ((n = unzReadCurrentFile(in, buffer, sizeof buffer)) > 0) content.append(buffer, n);
  // Closing checks the checksum of a fully read, decompressed part.
  const int closed = unzCloseCurrentFile(in);
  if (method) *method = m;
  if (level) *level = l;
  return n == 0 && closed == UNZ_OK;
}

zip_fileinfo ZipInfo(const unz_file_info64& info) {
  zip_fileinfo z{};
  z.tmz_date.tm_sec = info.tmu_date.tm_sec;
  z.tmz_date.tm_min = info.tmu_date.tm_min;
  z.tmz_date.tm_hour = info.tmu_date.tm_hour;
  z.tmz_date.tm_mday = info.tmu_date.tm_mday;
  z.tmz_date.tm_mon = info.tmu_date.tm_mon;
  z.tmz_date.tm_year = info.tmu_date.tm_year;
  z.dosDate = info.dosDate;
  z.internal_fa = info.internal_fa;
  z.external_fa = info.external_fa;
  return z;
}

int NeedsZip64(ZPOS64_T size) { return size >= 0xffffffffULL ? 1 : 0; }

TPackageResult Failed(QString why) { return {QByteArray(), std::move(why)}; }

}  // namespace

TPackageResult FinishXlsxPackage(const QByteArray& written, int expectedCharts) {
  QByteArray source = written;  // the zip library reads through a non-const pointer
  zlib_filefunc64_def readCalls = MemoryFileCalls(&source);
  std::unique_ptr<void, UnzipCloser> in(unzOpen2_64("package", &readCalls));
  if (!in) return Failed(ExportText::UnreadablePackage());

  QByteArray finished;
  zlib_filefunc64_def writeCalls = MemoryFileCalls(&finished);
  std::unique_ptr<void, ZipCloser> out(zipOpen2_64("package", APPEND_STATUS_CREATE, nullptr, &writeCalls));
  if (!out) return Failed(ExportText::UnreadablePackage());

  int charts = 0;
  int status = unzGoToFirstFile(in.get());
  while (status == UNZ_OK) {
    unz_file_info64 info;
    char nameBuffer[512];
    if (unzGetCurrentFileInfo64(in.get(), &info, nameBuffer, sizeof nameBuffer, nullptr, 0,
                                nullptr, 0) != UNZ_OK)
      return Failed(ExportText::UnreadablePackage());
    const QByteArray name(nameBuffer);
    const QString partName = QString::fromUtf8(name);

    QByteArray content;
    if (!ReadCurrent(in.get(), content, false) || static_cast<ZPOS64_T>(content.size()) != info.uncompressed_size)
      return Failed(ExportText::IncompletePackage(partName));
    if (IsXmlPart(name) && !IsCompleteXml(content))
      return Failed(ExportText::IncompletePackage(partName));

    const zip_fileinfo zipInfo = ZipInfo(info);
    if (IsChartPart(name)) {
      if (!FrameLegend(content)) return Failed(ExportText::LegendMissing(partName));
      ++charts;
      if (zipOpenNewFileInZip64(out.get(), name.constData(), &zipInfo, nullptr, 0, nullptr, 0,
                                nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION,
                                NeedsZip64(static_cast<ZPOS64_T>(content.size()))) != ZIP_OK ||
          zipWriteInFileInZip(out.get(), content.constData(), static_cast<unsigned>(content.size())) != ZIP_OK ||
          zipCloseFileInZip(out.get()) != ZIP_OK)
        return Failed(ExportText::UnreadablePackage());
    } else {
      // Checked; now copied as compressed, without packing it again.
      int method = 0;
      int level = 0;
      if (!ReadCurrent(in.get(), content, true, &method, &level))
        return Failed(ExportText::IncompletePackage(partName));
      if (zipOpenNewFileInZip2_64(out.get(), name.constData(), &zipInfo, nullptr, 0, nullptr, 0,
                                  nullptr, method, level, 1, NeedsZip64(info.uncompressed_size)) != ZIP_OK ||
          zipWriteInFileInZip(out.get(), content.constData(), static_cast<unsigned>(content.size())) != ZIP_OK ||
          zipCloseFileInZipRaw64(out.get(), info.uncompressed_size, info.crc) != ZIP_OK)
        return Failed(ExportText::UnreadablePackage());
    }
    status = unzGoToNextFile(in.get());
  }
  if (status != UNZ_END_OF_LIST_OF_FILE) return Failed(ExportText::UnreadablePackage());
  if (charts != expectedCharts) return Failed(ExportText::ChartsMissing(charts, expectedCharts));
  if (zipClose(out.release(), nullptr) != ZIP_OK) return Failed(ExportText::UnreadablePackage());
  return {finished, QString()};
}
