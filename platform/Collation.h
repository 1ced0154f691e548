#pragma once
// Name comparison for every sorted or searched list of names and paths: the user's locale rules,
// letter case ignored.
#include <QString>
#include <string>

namespace pintoola {

// Less than, equal to or greater than zero. Equal means equal under the locale ignoring case, so
// "a.bmp" and "A.BMP" compare equal.
int CompareText(const QString& a, const QString& b);
int CompareText(const std::string& a, const std::string& b);

}  // namespace pintoola
