// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's texts in the user's language. Each text of core/Texts.h is
// its own key: a translation catalogue maps it to the language's text, and
// a text no catalogue holds is shown as it is, in English.
#include <QString>

#include <string>

class QLocale;
class QTranslator;

// The text in the language of the installed catalogue.
QString Tr(const char* text);
QString Tr(const std::string& text);

// Installs the catalogue "vantorel_<language>.qm" from `dir` for `locale`
// (German for de_DE, French for fr_CA, ...), owned by the application;
// nothing when there is none, and the texts stay English. Windows made
// after it speak its language; deleting it brings English back.
QTranslator* InstallTranslation(const QString& dir, const QLocale& locale);
