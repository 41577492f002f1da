#pragma once
// A program folder filled once per test run by the real generator programs.

#include <QString>

// Path of the folder (no trailing slash); runs fm_gen_stock and fm_gen_varnholm on first
// use. Empty when a generator failed; the failure is printed.
QString GeneratedProgramFolder();

QByteArray ReadBytes(const QString& path);
