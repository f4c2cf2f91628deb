#pragma once

#include <QtGlobal>

#include <string>
#include <vector>

// Texts with values put in, such as "Failed to create file \"%1\"": the
// fixed text is a template, marked for translation as
// QT_TRANSLATE_NOOP("Sondrel", ...) where it is defined, so that the window
// can show the whole text in the user's language with the same values.

// `pattern` with %1 to %9 replaced by `values` in one pass: a value that
// itself holds "%2" stays as it is, and a number without a value stays.
std::string FillTemplate(const std::string& pattern, const std::vector<std::string>& values);
