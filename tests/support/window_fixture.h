// Whole-window test fixture: a shown window with recorded messages and a scripted folder
// chooser, driven by a user; generated module folders in a temporary directory; and the
// bytes of the files the window writes.
#pragma once

#include "app/frmmusterwright.h"
#include "modulegen.h"
#include "support/recorder.h"
#include "support/scripted.h"
#include "support/user.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace mw::test {

inline std::vector<std::string> splitCrLf(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < bytes.size(); start = end + 2) {
        end = std::min(bytes.find("\r\n", start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

inline std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

inline std::string fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(1280, 800);
        user.open();
    }

    // Writes a generated module into a new subfolder; returns the folder text as the window
    // shows it (ending in the separator).
    QString makeModule(
        const QString& name, const mwgen::ModuleSpec& plan = {}, const std::vector<std::string>& skip = {})
    {
        const QString folder = tmp.filePath(name);
        EXPECT_TRUE(mwgen::writeModule(mwgen::generateModule(plan), folder.toStdString(), skip));
        return QDir::toNativeSeparators(folder) + QDir::separator();
    }

    // Presses Browse... and chooses the folder.
    void browseTo(const QString& folderWithSeparator)
    {
        QString plain = folderWithSeparator;
        if (plain.endsWith(QDir::separator()))
            plain.chop(1);
        chooser.answers.push_back(plain);
        user.click("cmdBrowse");
    }

    // Loads the folder, chooses the file and clicks its entry k; the recorder then holds
    // only the messages of these steps.
    void open(const QString& folder, const QString& file, int k)
    {
        browseTo(folder);
        recorder.clear();
        user.choose("cmbChooseFile", file);
        if (k >= 0)
            user.clickRow(file == "troops.txt" ? "ListTroops"
                    : file == "parties.txt"    ? "lstParties"
                                               : "lstPartyTemplates",
                k);
    }

    // The texts shown since the last clear, joined by '|'.
    std::string said() const { return recorder.texts().join('|').toStdString(); }

    // Replaces lines of a file from line `first` (1-based) on; returns all its lines as written.
    static std::vector<std::string> replaceLines(
        const QString& path, size_t first, const std::vector<std::string>& with)
    {
        auto lines = splitCrLf(fileBytes(path));
        std::copy(with.begin(), with.end(), lines.begin() + static_cast<long>(first - 1));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray::fromStdString(joinCrLf(lines)));
        return lines;
    }

    // The bytes of the three files the window writes.
    static std::map<std::string, std::string> written(const QString& folder)
    {
        std::map<std::string, std::string> files;
        for (const char* name : { "troops.txt", "party_templates.txt", "parties.txt" })
            files[name] = fileBytes(folder + name);
        return files;
    }

    QTemporaryDir tmp;
    MessageRecorder recorder;
    ScriptedChooser chooser;
    frmMusterwright window { recorder, chooser };
    User user { window };
};

} // namespace mw::test
