#pragma once
// The program speaks the session's language: its own catalogue (built into the executable) and
// Qt's, for the print dialog and standard buttons. English, the source language, is the fallback.
#include <QLocale>
#include <QString>
#include <string>

namespace pintoola {

// Replaces the installed catalogues with those for `locale`; a language without a catalogue gets
// the English source texts. Windows made afterwards show the new language.
void InstallTranslations(const QLocale& locale);

// The translation of an error text that left the page engine or a platform call. Known texts and
// the file errors with their file name are translated; anything else stays as it is.
QString TranslatedError(const std::string& message);

// folder/base.<language>.extension for the first of the locale's languages that has such a file
// (pt_BR before pt), else folder/base.extension.
QString LocalizedFile(const QString& folder, const QString& base, const QString& extension,
                      const QLocale& locale = QLocale());

}  // namespace pintoola
