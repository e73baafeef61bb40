// Whole-window test fixture: a window with recorded messages and a scripted folder chooser,
// and generated module folders in a temporary directory.
#pragma once

#include "app/frmmusterwright.h"
#include "modulegen.h"
#include "support/recorder.h"
#include "support/scripted.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace mw::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { window = std::make_unique<frmMusterwright>(recorder, chooser); }

    // Writes a generated module into a new subfolder; returns the folder text as the window
    // shows it (ending in the separator).
    QString makeModule(const QString& name, const mwgen::ModuleSpec& plan = {},
                       const std::vector<std::string>& skip = {})
    {
        const QString folder = tmp.filePath(name);
        EXPECT_TRUE(mwgen::writeModule(mwgen::generateModule(plan), folder.toStdString(), skip));
        return QDir::toNativeSeparators(folder) + QDir::separator();
    }

    void browseTo(const QString& folderWithSeparator)
    {
        QString plain = folderWithSeparator;
        if (plain.endsWith(QDir::separator()))
            plain.chop(1);
        chooser.answers.push_back(plain);
        window->cmdBrowse_Click();
    }

    static std::string fileBytes(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return "<missing>";
        const QByteArray b = f.readAll();
        return std::string(b.constData(), static_cast<size_t>(b.size()));
    }

    QTemporaryDir tmp;
    MessageRecorder recorder;
    ScriptedChooser chooser;
    std::unique_ptr<frmMusterwright> window;
};

} // namespace mw::test
