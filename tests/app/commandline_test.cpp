// The command line as read before any window: what each form asks for, and the refusals.
#include "app/commandline.h"

#include <gtest/gtest.h>

using mw::CommandAction;
using mw::CommandLine;

namespace {

CommandLine make(CommandAction action, auto&& fill)
{
    CommandLine command;
    command.action = action;
    fill(command);
    return command;
}

CommandLine refusal(const QString& why)
{
    return make(CommandAction::Refuse, [&](CommandLine& c) { c.refusal = why; });
}

const auto kNothing = [](CommandLine&) {};

} // namespace

TEST(CommandLine, EachFormGivesItsActionAndOptions)
{
    const std::vector<std::pair<QStringList, CommandLine>> table {
        { {}, CommandLine {} },
        { { "mod", "--panel", "troops.txt", "--record", "3", "--screenshot=s.png" },
            make(CommandAction::OpenWindow,
                [](CommandLine& c) {
                    c.folder = "mod";
                    c.panel = "troops.txt";
                    c.record = 3;
                    c.screenshot = "s.png";
                }) },
        // The toolkit's own options are left for the application object.
        { { "-platform", "offscreen", "--style=fusion", "-reverse", "mod" },
            make(CommandAction::OpenWindow, [](CommandLine& c) { c.folder = "mod"; }) },
        { { "--", "-odd" }, make(CommandAction::OpenWindow, [](CommandLine& c) { c.folder = "-odd"; }) },
        { { "-h" }, make(CommandAction::Help, kNothing) },
        { { "mod", "--help" }, make(CommandAction::Help, kNothing) },
        { { "--version" }, make(CommandAction::Version, kNothing) },
        { { "--check", "mod", "--format=json" },
            make(CommandAction::Check,
                [](CommandLine& c) {
                    c.folder = "mod";
                    c.json = true;
                }) },
        { { "--format", "text", "--check=mod" }, make(CommandAction::Check, [](CommandLine& c) { c.folder = "mod"; }) },
        { { "--bogus" }, refusal("unknown option \"--bogus\"") },
        { { "-x" }, refusal("unknown option \"-x\"") },
        { { "mod", "--panel" }, refusal("--panel needs a value") },
        { { "--record", "x" }, refusal("--record needs an entry number (0 or more), not \"x\"") },
        { { "--format=json" }, refusal("--format is only for --check") },
        { { "--check", "mod", "--format", "xml" }, refusal("--format must be text or json, not \"xml\"") },
        { { "--check", "mod", "other" }, refusal("--check takes one folder and no other option but --format") },
        { { "--check", "mod", "--panel", "troops.txt" },
            refusal("--check takes one folder and no other option but --format") },
        { { "a", "b" }, refusal("more than one folder given: \"a\" and \"b\"") },
    };
    for (const auto& [arguments, expected] : table) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandLine got = mw::parseCommandLine(arguments);
        EXPECT_EQ(got.refusal.toStdString(), expected.refusal.toStdString());
        EXPECT_TRUE(got == expected);
    }
}
