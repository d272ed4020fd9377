#pragma once

#include <QKeySequence>
#include <QMenu>

namespace quillon {

// A menu that writes its items' keys with the program's own key names, as
// the key-map files and the keyboard dialog do ("PgDn", "Shift+Ctrl+F3"), not
// with Qt's ("PgDown", "Ctrl+Shift+F3"). An item may also show a key it does
// not hold (setShownKey): a key that the key map gives to more than one
// command belongs to the first of them, and the others still show it.
class KeyTextMenu : public QMenu
{
    Q_OBJECT
public:
    explicit KeyTextMenu(const QString &title, QWidget *parent = nullptr);

    // The key an item shows while its own shortcut is empty; an empty
    // sequence shows nothing.
    static void setShownKey(QAction *item, const QKeySequence &key);
    [[nodiscard]] static QKeySequence shownKey(const QAction *item);
    // A key sequence as key text; keys outside the program's table fall back to Qt's text.
    [[nodiscard]] static QString keyText(const QKeySequence &key);

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;
};

} // namespace quillon
