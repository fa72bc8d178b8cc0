#pragma once

#include <QString>

namespace tfx {

// Turns the stored form of the database password back into the password: every character is
// stored as its Windows-1252 code in three decimal digits ("abc" is 097098099). Groups are read
// while at least two characters remain, each converted with strToInt and cut to its low 8 bits,
// so a last single digit is ignored, a last pair is read as a two-digit code, and 321 gives 'A'.
// A group that is not an integer raises EConvertError.
QString descriptografarSenha(const QString& stored);

} // namespace tfx
