// Layout of the instructions panel.
#include "app/instructionspanel.h"

#include "app/shelltexts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace mw {
namespace {

QFont pointFont(const QWidget* widget, int points)
{
    QFont font = widget->font();
    font.setPointSize(points);
    return font;
}

QLineEdit* addAddressBox(
    QWidget* group, QVBoxLayout* layout, const char* name, const QString& label, const QString& address)
{
    auto* caption = new QLabel(label, group);
    auto* box = new QLineEdit(address, group);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(label);
    box->setReadOnly(true);
    box->setFont(pointFont(box, 12));
    caption->setBuddy(box);
    layout->addWidget(caption);
    layout->addWidget(box);
    return box;
}

} // namespace

InstructionsPanel::InstructionsPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmInstructions"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    Frame1 = new QGroupBox(QStringLiteral("Instructions"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(Frame1->title());
    auto* instructionsLayout = new QVBoxLayout(Frame1);
    Text1 = new QPlainTextEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Instructions"));
    Text1->setReadOnly(true);
    Text1->setFont(pointFont(Text1, 12));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The text keeps CR LF line ends; the box shows them as plain line breaks.
    Text1->setPlainText(instructionsText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    instructionsLayout->addWidget(Text1);
    layout->addWidget(Frame1, 3);

    auto* lower = new QHBoxLayout();
    Frame9 = new QGroupBox(QStringLiteral("Websites"), this);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    Frame9->setAccessibleName(Frame9->title());
    auto* sitesLayout = new QVBoxLayout(Frame9);
    Text2 = addAddressBox(Frame9, sitesLayout, "Text2", QStringLiteral("Official Website"), kOfficialSite);
    txtForum = addAddressBox(Frame9, sitesLayout, "txtForum", QStringLiteral("Discussion Forum"), kForumSite);
    txtDownload = addAddressBox(Frame9, sitesLayout, "txtDownload", QStringLiteral("Download Page"), kDownloadSite);
    sitesLayout->addStretch();
    lower->addWidget(Frame9, 1);

    Frame10 = new QGroupBox(QStringLiteral("Credits"), this);
    Frame10->setObjectName(QStringLiteral("Frame10"));
    Frame10->setAccessibleName(Frame10->title());
    auto* creditsLayout = new QVBoxLayout(Frame10);
    Label1 = new QLabel(kCreditLines.at(0), Frame10);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(kCreditLines.at(1), Frame10);
    Label2->setObjectName(QStringLiteral("Label2"));
    creditsLayout->addWidget(Label1);
    creditsLayout->addWidget(Label2);
    creditsLayout->addStretch();
    lower->addWidget(Frame10, 1);
    layout->addLayout(lower, 2);
}

} // namespace mw
