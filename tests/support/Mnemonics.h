#pragma once
// Access keys (Alt + the letter after "&") that clash among controls a user
// can reach at the same moment. Qt treats such a key as ambiguous: pressing it
// runs neither control, or only moves the focus between them.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

namespace quillon::test {

namespace detail {

inline bool insideMenu(const QWidget *w, const QWidget *window)
{
    for (; w && w != window; w = w->parentWidget()) {
        if (qobject_cast<const QMenu *>(w) || qobject_cast<const QMenuBar *>(w))
            return true;
    }
    return false;
}

// Adds each text's access key to `seen`; returns "where: "a" and "b"" for each clash.
inline void collect(const QString &where, const QStringList &texts, QStringList *clashes)
{
    QHash<QKeySequence, QString> seen;
    for (const QString &text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            continue;
        if (seen.contains(key))
            clashes->append(QStringLiteral("%1: \"%2\" and \"%3\"").arg(where, seen.value(key), text));
        else
            seen.insert(key, text);
    }
}

} // namespace detail

// Every set of controls of `window` that answer access keys together: each
// menu bar with the window's visible buttons, check boxes and labels with a
// buddy (a window shows one bar at a time), and each menu's items.
inline QStringList mnemonicClashes(QWidget *window)
{
    QStringList controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || detail::insideMenu(w, window) || w->window() != window)
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            controls.append(button->text());
        else if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
            controls.append(label->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            controls.append(group->title());
    }
    QStringList clashes;
    QList<QMenuBar *> bars = window->findChildren<QMenuBar *>();
    bars.removeIf([window](const QMenuBar *bar) { return bar->window() != window; });
    if (bars.isEmpty())
        detail::collect(window->objectName(), controls, &clashes);
    for (QMenuBar *bar : bars) {
        QStringList texts = controls;
        for (QAction *a : bar->actions())
            texts.append(a->text());
        detail::collect(bar->objectName() + QStringLiteral(" with the window's controls"), texts, &clashes);
    }
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        QStringList texts;
        for (QAction *a : menu->actions()) {
            if (!a->isSeparator() && a->isVisible())
                texts.append(a->text());
        }
        detail::collect(menu->objectName().isEmpty() ? menu->title() : menu->objectName(), texts, &clashes);
    }
    return clashes;
}

} // namespace quillon::test
