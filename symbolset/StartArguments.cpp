#include "StartArguments.h"

#include <QDir>

#include <cstdio>

StartArguments ParseStartArguments(const QStringList& arguments, const QString& currentDir,
                                   const QString& usage) {
    StartArguments result;
    const QStringList given = arguments.mid(1);
    auto refuse = [&](const QString& why) {
        result.ok = false;
        result.error = why + QLatin1Char('\n') + usage + QLatin1Char('\n');
        return result;
    };
    if (given.size() > 1)
        return refuse(QStringLiteral("Only one file can be opened at start."));
    if (given.isEmpty())
        return result;
    const QString& path = given.front();
    if (path.isEmpty())
        return refuse(QStringLiteral("The file name is empty."));
    if (path.startsWith(QLatin1Char('-')))
        return refuse(QStringLiteral("Unknown option \"%1\".").arg(path));
    result.openPath = QDir::cleanPath(QDir(currentDir).absoluteFilePath(path));
    return result;
}

QString ProgramVersion() {
    return QStringLiteral(FM_VERSION);
}

namespace {

// The toolkit's options that take a value, and those that stand alone (the X11 ones
// included), named with one dash; the toolkit takes them with two dashes as well.
const QStringList kToolkitOptionsWithValue = {
    "-platform",        "-platformpluginpath", "-platformtheme", "-plugin",
    "-qwindowgeometry", "-qwindowicon",        "-qwindowtitle",  "-session",
    "-display",         "-geometry",           "-title",         "-name",
    "-style",           "-stylesheet",         "-qmljsdebugger", "-visual"};
const QStringList kToolkitOptionsAlone = {"-reverse", "-widgetcount", "-nograb",
                                          "-dograb",  "-sync",        "-testability"};

QString HelpText(const ProgramHelp& help) {
    return help.usage + QStringLiteral("\n\n") + help.description +
           QStringLiteral("\nOptions:\n"
                          "  -h, --help     print this help and exit\n"
                          "  --version      print the version and exit\n"
                          "The toolkit's own options, such as -platform or -style, are taken "
                          "as well.\n");
}

} // namespace

EarlyAnswer AnswerBeforeStart(const QStringList& raw, const ProgramHelp& help) {
    EarlyAnswer answer;
    QStringList mine = {raw.value(0)};
    for (int i = 1; i < raw.size(); ++i) {
        const QString& a = raw[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            answer = {true, 0, HelpText(help), {}};
            return answer;
        }
        if (a == QLatin1String("--version")) {
            answer = {true, 0, help.name + QLatin1Char(' ') + ProgramVersion() + '\n', {}};
            return answer;
        }
        const QString single = a.startsWith(QLatin1String("--")) ? a.mid(1) : a;
        const QString name = single.section(QLatin1Char('='), 0, 0);
        if (kToolkitOptionsAlone.contains(single) ||
            (kToolkitOptionsWithValue.contains(name) && single.contains(QLatin1Char('='))))
            continue;
        if (kToolkitOptionsWithValue.contains(single)) {
            ++i; // its value
            continue;
        }
        mine << a;
    }
    const StartArguments parsed = ParseStartArguments(mine, QDir::currentPath(), help.usage);
    if (!parsed.ok)
        answer = {true, 2, {}, parsed.error};
    return answer;
}

std::optional<int> AnswerBeforeStart(int argc, char** argv, const ProgramHelp& help) {
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const EarlyAnswer answer = AnswerBeforeStart(raw, help);
    if (!answer.done)
        return std::nullopt;
    std::fputs(answer.out.toLocal8Bit().constData(), stdout);
    std::fputs(answer.err.toLocal8Bit().constData(), stderr);
    return answer.status;
}
