#include "TTableResource.h"

#include <QFile>

#include "ETableError.h"
#include "TColumnStream.h"
#include "TGridTable.h"
#include "TStreamReader.h"
#include "TStreamWriter.h"
#include "TableMessages.h"

namespace TTableResource {

namespace {

void WriteProperty(TStreamWriter& w, const char* name) {
  w.NewLine(2);
  w.WriteSymbol(QString::fromLatin1(name));
  w.WriteSymbol(QStringLiteral("="));
}

void WriteTable(TStreamWriter& w, const TGridTable& t, TColumnStreamForm form) {
  w.WriteSymbol(QStringLiteral("table"));
  w.WriteSymbol(t.Name().isEmpty() ? QStringLiteral("Table") : t.Name());
  WriteProperty(w, "Caption");
  w.WriteString(t.Caption());
  WriteProperty(w, "Comments");
  w.WriteString(t.Comments());
  WriteProperty(w, "HardwiredButton");
  w.WriteBoolean(t.HardwiredButton());
  WriteProperty(w, "Identifier");
  w.WriteInteger(t.Identifier());
  WriteProperty(w, "MinRows");
  w.WriteInteger(t.MinRows());
  WriteProperty(w, "MaxRows");
  w.WriteInteger(t.MaxRows());
  WriteProperty(w, "RowGroup");
  w.WriteInteger(t.RowGroup());
  WriteProperty(w, "TopLeft");
  w.WriteString(t.TopLeft());
  if (!t.HelpPicturePath().isEmpty()) {
    WriteProperty(w, "HelpPicture");
    w.WriteString(t.HelpPicturePath());
  }
  WriteProperty(w, "Col");
  w.WriteSymbol(QStringLiteral("{"));
  TColumnStream::Write(t, w, form, 4);
  w.WriteSymbol(QStringLiteral("}"));
  w.NewLine(0);
  w.WriteSymbol(QStringLiteral("end"));
  w.NewLine(0);
}

void ReadProperty(TStreamReader& r, TGridTable& t, const QString& name, int line) {
  r.ReadSymbol(QStringLiteral("="));
  if (name == QLatin1String("Caption")) t.SetCaption(r.ReadString());
  else if (name == QLatin1String("Comments")) t.SetComments(r.ReadString());
  else if (name == QLatin1String("HardwiredButton")) t.SetHardwiredButton(r.ReadBoolean());
  else if (name == QLatin1String("Identifier")) t.SetIdentifier(r.ReadInteger());
  else if (name == QLatin1String("MinRows")) t.SetMinRows(std::max(r.ReadInteger(), 1));
  else if (name == QLatin1String("MaxRows")) t.SetMaxRows(r.ReadInteger());
  else if (name == QLatin1String("RowGroup")) t.SetRowGroup(r.ReadInteger());
  else if (name == QLatin1String("TopLeft")) t.SetTopLeft(r.ReadString());
  else if (name == QLatin1String("HelpPicture")) {
    const QString path = r.ReadString();
    t.SetHelpPicturePath(path);
    if (t.HelpPicture().isNull()) throw ETableError(TableText::DefinitionHelpPicture(path));
  } else if (name == QLatin1String("Col")) {
    r.ReadSymbol(QStringLiteral("{"));
    TColumnStream::Read(t, r);
    r.ReadSymbol(QStringLiteral("}"));
  } else {
    throw ETableError(TableText::DefinitionUnknownProperty(name, line));
  }
}

}  // namespace

QString Write(const std::vector<const TGridTable*>& tables, TColumnStreamForm form) {
  TStreamWriter writer;
  for (const TGridTable* table : tables) WriteTable(writer, *table, form);
  return writer.Text();
}

std::vector<std::unique_ptr<TGridTable>> Read(const QString& text) {
  TStreamReader reader(text);
  std::vector<std::unique_ptr<TGridTable>> tables;
  while (!reader.AtEnd()) {
    reader.ReadSymbol(QStringLiteral("table"));
    auto table = std::make_unique<TGridTable>();
    table->SetName(reader.ReadSymbol());
    for (;;) {
      const int line = reader.Line();
      const QString name = reader.ReadSymbol();
      if (name == QLatin1String("end")) break;
      ReadProperty(reader, *table, name, line);
    }
    tables.push_back(std::move(table));
  }
  for (auto& table : tables) table->SetRowCount(table->MinRows());
  return tables;
}

std::vector<std::unique_ptr<TGridTable>> Load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw ETableError(TableText::DefinitionUnreadable(path));
  return Read(QString::fromUtf8(file.readAll()));
}

}  // namespace TTableResource
