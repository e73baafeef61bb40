// Reading the command line by hand, so that help, version, checks and refusals need no
// display and no application object.
#include "app/commandline.h"

#include "app/version.h"
#include "check/checkreport.h"
#include "check/modulecheck.h"

#include <array>
#include <cstdio>

namespace mw {
namespace {

// Options the GUI toolkit takes from the command line when the application object is made,
// with one or two leading dashes; those in the first list take a value ("-style fusion" or
// "-style=fusion").
constexpr std::array<const char*, 14> kToolkitOptionsWithValue {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "geometry",
    "style",
    "stylesheet",
    "name",
    "title",
};
constexpr std::array<const char*, 6> kToolkitFlags { "reverse", "widgetcount", "nograb", "dograb", "sync",
    "qmljsdebugger" };

bool isOneOf(const QString& name, const auto& names)
{
    for (const char* n : names) {
        if (name == QLatin1String(n))
            return true;
    }
    return false;
}

// Passes over a toolkit option at `i` (and its value); false when it is not one.
bool skipToolkitOption(const QStringList& arguments, int& i)
{
    QString name = arguments[i].mid(arguments[i].startsWith(QStringLiteral("--")) ? 2 : 1);
    const bool inlineValue = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    if (isOneOf(name, kToolkitFlags))
        return true;
    if (!isOneOf(name, kToolkitOptionsWithValue))
        return false;
    if (!inlineValue && i + 1 < arguments.size())
        ++i;
    return true;
}

CommandLine refused(const QString& why)
{
    CommandLine command;
    command.action = CommandAction::Refuse;
    command.refusal = why;
    return command;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine command;
    QStringList folders;
    bool help = false;
    bool version = false;
    std::optional<QString> check;
    std::optional<QString> format;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QStringLiteral("-")) {
            folders << arg;
        } else if (arg == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")) {
            help = true;
        } else if (arg == QStringLiteral("-v") || arg == QStringLiteral("--version")) {
            version = true;
        } else if (skipToolkitOption(arguments, i)) {
            continue;
        } else {
            const QString name = arg.section(QLatin1Char('='), 0, 0);
            std::optional<QString> value;
            if (arg.contains(QLatin1Char('=')))
                value = arg.section(QLatin1Char('='), 1);
            const bool known
                = isOneOf(name, std::array { "--panel", "--record", "--screenshot", "--check", "--format" });
            if (!known)
                return refused(QStringLiteral("unknown option %1").arg(quoted(name)));
            if (!value) {
                if (i + 1 >= arguments.size())
                    return refused(QStringLiteral("%1 needs a value").arg(name));
                value = arguments[++i];
            }
            if (name == QStringLiteral("--panel"))
                command.panel = *value;
            else if (name == QStringLiteral("--screenshot"))
                command.screenshot = *value;
            else if (name == QStringLiteral("--check"))
                check = *value;
            else if (name == QStringLiteral("--format"))
                format = *value;
            else {
                bool whole = false;
                const int k = value->toInt(&whole);
                if (!whole || k < 0)
                    return refused(
                        QStringLiteral("--record needs an entry number (0 or more), not %1").arg(quoted(*value)));
                command.record = k;
            }
        }
    }

    if (help)
        command.action = CommandAction::Help;
    else if (version)
        command.action = CommandAction::Version;
    if (help || version)
        return command;

    if (format && !check)
        return refused(QStringLiteral("--format is only for --check"));
    if (format && *format != QStringLiteral("text") && *format != QStringLiteral("json"))
        return refused(QStringLiteral("--format must be text or json, not %1").arg(quoted(*format)));
    if (check) {
        if (command.panel || command.record || command.screenshot || !folders.isEmpty())
            return refused(QStringLiteral("--check takes one folder and no other option but --format"));
        command.action = CommandAction::Check;
        command.folder = *check;
        command.json = format == QStringLiteral("json");
        return command;
    }
    if (folders.size() > 1)
        return refused(
            QStringLiteral("more than one folder given: %1 and %2").arg(quoted(folders[0]), quoted(folders[1])));
    if (!folders.isEmpty())
        command.folder = folders.first();
    return command;
}

QString usageText()
{
    return QStringLiteral("Usage: musterwright [FOLDER] [--panel NAME] [--record K] [--screenshot FILE]\n"
                          "       musterwright --check FOLDER [--format=json]\n"
                          "       musterwright --help | --version\n");
}

QString helpText()
{
    return usageText()
        + QStringLiteral("\n"
                         "Editor for the troops, parties and party templates of a Varnholt module.\n"
                         "\n"
                         "  FOLDER             a module folder to load at start, as Browse would\n"
                         "  --panel NAME       choose NAME in the file selector (e.g. troops.txt) after loading\n"
                         "  --record K         click entry K of the chosen panel's list after loading\n"
                         "  --screenshot FILE  render the window to FILE (PNG) and exit\n"
                         "  --check FOLDER     check the module in FOLDER without a window: one line\n"
                         "                     \"file:line: message\" per problem, then a summary\n"
                         "  --format=json      with --check: the problems as a JSON array of objects\n"
                         "                     {file, line, field, code, message}\n"
                         "  -h, --help         show this help and exit\n"
                         "  -v, --version      show the version and exit\n"
                         "\n"
                         "Exit status of --check: 0 the module is sound, 1 problems were found,\n"
                         "2 the folder or a file in it could not be read. Nothing is ever written.\n");
}

QString versionText()
{
    return QStringLiteral("musterwright %1\n").arg(QLatin1String(kVersion));
}

int runWithoutWindow(const CommandLine& command)
{
    switch (command.action) {
    case CommandAction::Help:
        print(stdout, helpText());
        return 0;
    case CommandAction::Version:
        print(stdout, versionText());
        return 0;
    case CommandAction::Check: {
        const ModuleCheck check = checkModule(command.folder);
        if (command.json) {
            const QByteArray json = checkReportJson(check, command.folder);
            std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
        } else {
            print(stdout, checkReportText(check, command.folder));
        }
        return exitCodeOf(check);
    }
    case CommandAction::Refuse:
    case CommandAction::OpenWindow:
        break;
    }
    print(stderr,
        QStringLiteral("musterwright: %1\n").arg(command.refusal) + usageText()
            + QStringLiteral("Try \"musterwright --help\" for more.\n"));
    return 2;
}

} // namespace mw
