#pragma once
// Readable values in test names and failure messages: GoogleTest knows nothing of QString,
// and the case tables print the entry they try.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

// For case structs whose first member is the text under test.
#define TORVEX_PRINT_CASE_BY(Type, member)                     \
  inline void PrintTo(const Type& c, std::ostream* os) {       \
    *os << '"' << QString::fromUtf8(c.member).toStdString() << '"'; \
  }
