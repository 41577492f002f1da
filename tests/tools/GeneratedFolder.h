#pragma once
// The program folder the build fills for these tests with the real generator programs
// (fm_gen_stock and fm_gen_varnholm).

#include <QString>

// Path of the folder without a trailing slash; empty (with a message) when the generators
// left it incomplete.
QString GeneratedProgramFolder();

QByteArray ReadBytes(const QString& path);
