// The command line, read before any application object exists: what to do (open the
// window, show the help or the version, check a module) and the options of each. Help,
// version, a module check and a bad option are handled here, without a display.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mw {

enum class CommandAction { OpenWindow, Help, Version, Check, Refuse };

struct CommandLine {
    CommandAction action = CommandAction::OpenWindow;
    QString folder; // FOLDER to load at start, or the folder of --check
    std::optional<QString> panel; // --panel NAME
    std::optional<int> record; // --record K
    std::optional<QString> screenshot; // --screenshot FILE
    bool json = false; // --format=json with --check
    QString refusal; // why the command line was refused (action Refuse)
    bool operator==(const CommandLine&) const = default;
};

// `arguments` without the program name. Options of the GUI toolkit itself (-platform NAME,
// -style NAME, -reverse, ...) are passed over: the application object reads them later.
CommandLine parseCommandLine(const QStringList& arguments);

QString usageText(); // the synopsis lines
QString helpText(); // the synopsis and every option
QString versionText(); // "musterwright <version>"

// Runs an action that needs no window (help, version, check, refusal): prints to stdout or
// stderr and returns the exit status (0 done or sound, 1 problems found, 2 refused or
// unreadable).
int runWithoutWindow(const CommandLine& command);

} // namespace mw
