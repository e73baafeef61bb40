// The window's keyboard: the platform's standard keys for Browse (Open), Save and Find,
// Ctrl+Return for Update, tooltips that name them, and Return on a focused button.
#include "app/frmmusterwright.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace mw {

void frmMusterwright::buildKeyboard()
{
    const struct {
        QPushButton* button;
        QList<QKeySequence> keys;
        QString does;
    } commands[] = {
        { cmdBrowse, QKeySequence::keyBindings(QKeySequence::Open), QStringLiteral("Load a module folder") },
        { cmdUpdate, { QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) },
            QStringLiteral("Apply the panel to the selected record") },
        { cmdSave, QKeySequence::keyBindings(QKeySequence::Save),
            QStringLiteral("Write troops.txt, party_templates.txt and parties.txt") },
    };
    for (const auto& command : commands) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(command.keys);
        connect(shortcut, &QShortcut::activated, this, [this, button = command.button] { pressByKey(button); });
        command.button->setToolTip(
            command.does + QStringLiteral(" (") + command.keys.front().toString(QKeySequence::NativeText) + ')');
    }
    auto* find = new QShortcut(this);
    find->setKeys(QKeySequence::Find);
    connect(find, &QShortcut::activated, this, [this] { focusFind(); });

    // Outside a dialog a button takes Return and Enter only as an auto-default button.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

// A shortcut presses its button as a click does: the focus moves to the button first, so a
// box being edited runs its focus-lost check; afterwards it goes back where it was.
void frmMusterwright::pressByKey(QPushButton* button)
{
    if (!button->isEnabled())
        return;
    const QPointer<QWidget> before = QApplication::focusWidget();
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    if (before && before->isVisible() && button->hasFocus())
        before->setFocus(Qt::ShortcutFocusReason);
}

} // namespace mw
