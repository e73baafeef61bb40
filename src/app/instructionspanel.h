// The instructions panel: how to use the program, where to find it, who made it.
#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace mw {

class InstructionsPanel : public QWidget {
public:
    explicit InstructionsPanel(QWidget* parent = nullptr);

private:
    QGroupBox* Frame1;
    QPlainTextEdit* Text1;
    QGroupBox* Frame9;
    QLineEdit* Text2;
    QLineEdit* txtForum;
    QLineEdit* txtDownload;
    QGroupBox* Frame10;
    QLabel* Label1;
    QLabel* Label2;
};

} // namespace mw
