// Start-up: the window, an optional module folder to load at once, and a screenshot mode
// that renders the window to a PNG file and exits.
#include "app/addbackslash.h"
#include "app/dialogmessages.h"
#include "app/folderchooser.h"
#include "app/frmmusterwright.h"
#include "app/recordselection.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

// In screenshot mode nobody is there to close a message box: messages go to stderr.
class PrintedMessages : public mw::MessageService {
public:
    void show(const QString& text, mw::MessageIcon) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Musterwright"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Editor for the troops, parties and party templates of a Varnholt module."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("A module folder to load at start, as Browse would."), QStringLiteral("[FOLDER]"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Render the window to FILE (PNG) and exit."), QStringLiteral("FILE"));
    const QCommandLineOption panel(QStringLiteral("panel"), QStringLiteral("Choose NAME in the file selector (e.g. troops.txt) after loading."), QStringLiteral("NAME"));
    const QCommandLineOption record(QStringLiteral("record"), QStringLiteral("Click entry K of the chosen panel's list after loading."), QStringLiteral("K"));
    parser.addOptions({screenshot, panel, record});
    parser.process(app);

    const bool shooting = parser.isSet(screenshot);
    mw::DialogMessageService dialogs;
    PrintedMessages printed;
    mw::MessageService& messages = shooting ? static_cast<mw::MessageService&>(printed) : dialogs;
    mw::DialogFolderChooser chooser;

    mw::frmMusterwright window(messages, chooser);
    dialogs.setParent(&window);
    window.Read_Musterwright_INI();
    window.resize(1280, 800);

    // Shown first, so that a message of the load has its window behind it.
    window.show();
    const QStringList args = parser.positionalArguments();
    if (!args.isEmpty()) {
        const QString folder = QDir::toNativeSeparators(QFileInfo(args.first()).absoluteFilePath());
        window.loadFolder(mw::AddBackSlash(folder));
    }
    if (parser.isSet(panel))
        window.chooseFile(parser.value(panel));
    if (parser.isSet(record))
        mw::selectRecord(window, parser.value(record).toInt());

    if (shooting) {
        QApplication::processEvents();
        const QString file = parser.value(screenshot);
        if (!window.grab().save(file, "PNG")) {
            std::fprintf(stderr, "Could not write the screenshot to %s\n", qPrintable(file));
            return 1;
        }
        std::fprintf(stderr, "Screenshot written to %s\n", qPrintable(QFileInfo(file).absoluteFilePath()));
        return 0;
    }
    return app.exec();
}
