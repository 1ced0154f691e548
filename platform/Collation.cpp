#include "platform/Collation.h"

#include <QCollator>
#include <QLocale>

namespace pintoola {

namespace {
const QCollator& NameCollator() {
  static const QCollator collator = [] {
    QCollator c{QLocale()};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(false);
    c.setIgnorePunctuation(false);
    return c;
  }();
  return collator;
}
}  // namespace

int CompareText(const QString& a, const QString& b) { return NameCollator().compare(a, b); }

int CompareText(const std::string& a, const std::string& b) {
  return CompareText(QString::fromStdString(a), QString::fromStdString(b));
}

}  // namespace pintoola
