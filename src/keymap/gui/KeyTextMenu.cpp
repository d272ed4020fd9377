#include "KeyTextMenu.h"

#include "KeyText.h"

#include <QAction>
#include <QStyleOptionMenuItem>

namespace quillon {

namespace {

constexpr char kShownKey[] = "quillonShownKey";

} // namespace

KeyTextMenu::KeyTextMenu(const QString &title, QWidget *parent)
    : QMenu(title, parent)
{
}

void KeyTextMenu::setShownKey(QAction *item, const QKeySequence &key)
{
    item->setProperty(kShownKey, key.isEmpty() ? QVariant() : QVariant::fromValue(key));
}

QKeySequence KeyTextMenu::shownKey(const QAction *item)
{
    if (!item->shortcut().isEmpty())
        return item->shortcut();
    return item->property(kShownKey).value<QKeySequence>();
}

QString KeyTextMenu::keyText(const QKeySequence &key)
{
    if (key.isEmpty())
        return QString();
    if (key.count() == 1) {
        const QString text = KeyText::write(KeyText::fromKeyCombination(key[0]));
        if (!text.isEmpty())
            return text;
    }
    return key.toString(QKeySequence::NativeText);
}

void KeyTextMenu::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const
{
    QMenu::initStyleOption(option, action);
    if (action->isSeparator() || action->menu() || action->text().contains(u'\t'))
        return; // a caption with its own tab keeps its own key text
    const qsizetype tab = option->text.indexOf(u'\t');
    if (tab >= 0) {
        // QMenu appended the shortcut in Qt's words (and only where the style shows keys).
        option->text = option->text.left(tab + 1) + keyText(action->shortcut());
    } else if (action->shortcut().isEmpty()) {
        const QString key = keyText(shownKey(action));
        if (!key.isEmpty())
            option->text += u'\t' + key;
    }
}

} // namespace quillon
