// Shared by the window tests: line edits of a module file, typing into a box, the shown
// messages as one text, and opening a record of a freshly loaded folder.
#pragma once

#include "app/recordselection.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
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

// Sets a box's text and leaves the box, as typing does.
inline void type(QLineEdit* box, const QString& text)
{
    box->setText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
}

// What the controls show, joined by '|': a box's text, a combo's index as "#<n>", a check
// box's state as "on", "off" or "partly", a radio button's as "on" or "off".
inline std::string shown(std::initializer_list<const QWidget*> controls)
{
    QStringList parts;
    for (const QWidget* w : controls) {
        if (const auto* box = qobject_cast<const QLineEdit*>(w))
            parts << box->text();
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            parts << "#" + QString::number(combo->currentIndex());
        else if (const auto* check = qobject_cast<const QCheckBox*>(w))
            parts << (check->checkState() == Qt::PartiallyChecked ? "partly" : check->isChecked() ? "on" : "off");
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            parts << (button->isChecked() ? "on" : "off");
    }
    return parts.join('|').toStdString();
}

inline QString entry(const QStringListModel& model, int k)
{
    return model.data(model.index(k)).toString();
}

class FlowTest : public WindowTest {
protected:
    // The texts shown since the last clear, joined by '|'.
    std::string said() const { return recorder.texts().join('|').toStdString(); }

    // Replaces lines of a file from line `first` (1-based) on; returns all its lines as written.
    std::vector<std::string> replaceLines(const QString& path, size_t first, const std::vector<std::string>& with)
    {
        auto lines = splitCrLf(fileBytes(path));
        std::copy(with.begin(), with.end(), lines.begin() + static_cast<long>(first - 1));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray::fromStdString(joinCrLf(lines)));
        return lines;
    }

    // The bytes of the three files the window writes.
    std::map<std::string, std::string> written(const QString& folder)
    {
        std::map<std::string, std::string> files;
        for (const char* name : { "troops.txt", "party_templates.txt", "parties.txt" })
            files[name] = fileBytes(folder + name);
        return files;
    }

    // Loads the folder, shows the file's panel and clicks its entry k; the recorder then
    // holds only the messages of these steps.
    bool open(const QString& folder, const QString& file, int k)
    {
        recorder.clear();
        browseTo(folder);
        window->cmbChooseFile->setCurrentText(file);
        return selectRecord(*window, k);
    }
};

} // namespace mw::test
