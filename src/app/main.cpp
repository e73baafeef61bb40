// Start-up: the command line (help, version and module checks end before any window), the
// window, an optional module folder to load at once, and a screenshot mode that renders the
// window to a PNG file and exits.
#include "app/addbackslash.h"
#include "app/commandline.h"
#include "app/desktopidentity.h"
#include "app/dialogmessages.h"
#include "app/firstpaint.h"
#include "app/folderchooser.h"
#include "app/frmmusterwright.h"
#include "app/recordselection.h"
#include "app/screenfit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <cstdio>

namespace {

// In screenshot mode nobody is there to close a message box: messages go to stderr.
class PrintedMessages : public mw::MessageService {
public:
    void show(const QString& text, mw::MessageIcon) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
    }
    // Nobody can answer: the default button, No.
    bool ask(const QString& text, mw::MessageIcon icon) override
    {
        show(text + QStringLiteral(" [No]"), icon);
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    // A write past the file-size limit then fails with EFBIG and is reported like any failed
    // write, instead of the signal ending the program with every unsaved update.
    std::signal(SIGXFSZ, SIG_IGN);

    // Help, version, checks and a bad command line need no display: they end here.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const mw::CommandLine command = mw::parseCommandLine(arguments);
    if (command.action != mw::CommandAction::OpenWindow)
        return mw::runWithoutWindow(command);

    QApplication app(argc, argv);
    mw::setDesktopIdentity(app);

    const bool shooting = command.screenshot.has_value();
    mw::DialogMessageService dialogs;
    PrintedMessages printed;
    mw::MessageService& messages = shooting ? static_cast<mw::MessageService&>(printed) : dialogs;
    mw::DialogFolderChooser chooser;

    mw::frmMusterwright window(messages, chooser);
    dialogs.setParent(&window);
    window.Read_Musterwright_INI();

    // Shown and painted first, so that the window is never blank while a folder loads and a
    // message of the load has its window behind it.
    window.show();
    mw::fitToScreen(window, QSize(1280, 800));
    mw::afterFirstPaint(window, [&] {
        if (!command.folder.isEmpty()) {
            const QString folder = QDir::toNativeSeparators(QFileInfo(command.folder).absoluteFilePath());
            window.loadFolder(mw::AddBackSlash(folder));
        }
        if (command.panel)
            window.chooseFile(*command.panel);
        if (command.record)
            mw::selectRecord(window, *command.record);
        if (!shooting)
            return;
        QApplication::processEvents();
        const QString file = *command.screenshot;
        if (!window.grab().save(file, "PNG")) {
            std::fprintf(stderr, "Could not write the screenshot to %s\n", qPrintable(file));
            QCoreApplication::exit(1);
            return;
        }
        std::fprintf(stderr, "Screenshot written to %s\n", qPrintable(QFileInfo(file).absoluteFilePath()));
        QCoreApplication::exit(0);
    });
    return app.exec();
}
