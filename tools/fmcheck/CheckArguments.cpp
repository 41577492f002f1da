#include "CheckArguments.h"

CheckRequest ParseCheckArguments(const QStringList& arguments) {
    CheckRequest request;
    bool options = true; // after "--" every argument is a file name
    for (const QString& a : arguments) {
        if (options && a == QLatin1String("--")) {
            options = false;
        } else if (options && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            request.help = true;
        } else if (options && a == QLatin1String("--version")) {
            request.version = true;
        } else if (options && a == QLatin1String("--json")) {
            request.json = true;
        } else if (options && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            request.ok = false;
            request.error = QStringLiteral("Unknown option \"%1\".").arg(a);
            return request;
        } else if (a.isEmpty()) {
            request.ok = false;
            request.error = QStringLiteral("A file name is empty.");
            return request;
        } else {
            request.battlePaths << a;
        }
    }
    if (request.battlePaths.isEmpty() && !request.help && !request.version) {
        request.ok = false;
        request.error = QStringLiteral("No battle file given.");
    }
    return request;
}

QString CheckHelpText() {
    return kCheckUsage + QStringLiteral(R"(

Checks Fieldmark battle files for the mistakes a designer easily leaves in them: a map
nobody can move on, units without men or ammunition, wings without a leader,
reinforcements that never arrive, roads and rivers that do not meet, objectives that
do not count, map texts outside the map. Nothing is changed.

Each battle's symbol set is read from the battle's own folder. The definitions
(defs/MWEAP.DEF and the others) and the battle icons are taken from the first of: the
folder above the battle's folder, the current folder, the installed data.

Options:
  --json     all problems as one JSON array of objects with the fields file, hex,
             severity, check, record and message
  --help     this text
  --version  the program's version

Output: one line per problem, errors first:
  FILE:HEX: error|warning: RECORD: MESSAGE
where HEX is the hex as the battle editor shows it (row, then column); a problem
without a place has no HEX part.

Exit status: 0 when no battle has errors (warnings allowed), 1 when any has an error,
2 when a file (battle, symbol set, definitions) cannot be read or the command line
is wrong; each such file is named on standard error with the reason.)");
}
