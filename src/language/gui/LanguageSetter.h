#pragma once
// Applies a language file to a window. Every translatable control carries its
// numeric tag as the dynamic property "tag" (menu actions too); the first digit
// says which kind of control a line may set:
//   1xxx menu item caption        2001-2999 label, button, panel, tab page,
//   2999 the window title               group box caption
//   4xxx list box items           5xxx radio group caption and items
//   6xxx check box caption        7xxx combo box items      8xxx edit text
// A radio group is a QGroupBox with the property "radioGroup" = true whose
// QRadioButton children, in order, are its items.
//
// Lines are applied in file order; an invalid file applies nothing. Item
// lists reuse the controls' existing entries (so a chosen radio button or combo
// entry stays chosen when only its wording changes) and drop what is left over.
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QWidget;

namespace quillon {

class IniFile;

class LanguageSetter {
public:
    LanguageSetter() = delete;

    // Shows a message in both wordings; the receiver picks by its language.
    using Report = std::function<void(const QString &japanese, const QString &english)>;
    enum class Result { Applied, Missing, Invalid };

    // Column 5 (japanese) or column 6 of `path` onto `form`, then the window
    // font of that language from `fonts` ([SystemFontJpn] / [SystemFontEng];
    // null: the font stays). A missing file changes nothing and says nothing;
    // an invalid one reports the validation message and the format error.
    static Result apply(QWidget *form, const QString &path, bool japanese, const IniFile *fonts,
                        const Report &report);
    static Result SetJapanese(QWidget *form, const QString &path, const IniFile *fonts, const Report &report)
    {
        return apply(form, path, true, fonts, report);
    }
    static Result SetEnglish(QWidget *form, const QString &path, const IniFile *fonts, const Report &report)
    {
        return apply(form, path, false, fonts, report);
    }
    // Reports the first bad line; a missing file passes.
    static bool CheckLanguageFile(const QString &path, const Report &report);

    // A Report through MessageService in the given language, the text kept in *strMsg.
    [[nodiscard]] static Report messageBox(QWidget *parent, bool japanese, QString *strMsg = nullptr);
    [[nodiscard]] static QFont languageFont(const QFont &base, bool japanese, const IniFile *fonts);

    // The setters, each finding the first control of its kind owned by `form`
    // whose tag is the number in StrTag; nothing happens when there is none.
    static void SetMenuCaption(QWidget *form, const QString &StrTag, const QString &text);
    static void SetLabelButtonPanelTabsheetGroupboxCaption(QWidget *form, const QString &StrTag, const QString &text);
    static void SetFormCaption(QWidget *form, const QString &StrTag, const QString &text);
    static void SetRadioGroupCaption(QWidget *form, const QString &StrTag, const QString &text);
    static void SetCheckBoxCaption(QWidget *form, const QString &StrTag, const QString &text);
    static void SetEditText(QWidget *form, const QString &StrTag, const QString &text);
    static void SetListBoxItem(QWidget *form, const QString &StrTag, const QString &text);
    static void SetRadioGroupItem(QWidget *form, const QString &StrTag, const QString &text);
    static void SetComboBoxItem(QWidget *form, const QString &StrTag, const QString &text);
    static void SetListBoxClear(QWidget *form, const QString &StrTag);
    static void SetRadioGroupClear(QWidget *form, const QString &StrTag);
    static void SetComboBoxClear(QWidget *form, const QString &StrTag);
    // Drops the entries a cleared list did not get back (run at the end of apply).
    static void finishItemLists(QWidget *form);

    // Tags: the control's tag, or -1 when it has none.
    [[nodiscard]] static int tagOf(const QObject *object);
    // Every object owned by `form` (widgets and actions) that carries a tag.
    [[nodiscard]] static QList<QObject *> taggedObjects(QWidget *form);
    // The kind word a line must carry to set this object ("Caption", "Item",
    // "Text"); empty when no line can set it.
    [[nodiscard]] static QString kindFor(const QObject *object);
    // Tags used by `form` that have no applicable line (flag "1", right kind)
    // in the language file at `path`, as "2201 Caption (ButtonOk)". A window's
    // test calls this with its own window and file.
    [[nodiscard]] static QStringList uncoveredTags(QWidget *form, const QString &path);

    // Shift+Ctrl+J / Shift+Ctrl+E for a window when the developer switch is on:
    // calls `switchTo(true)` for Japanese, `switchTo(false)` for English.
    static void installDeveloperKeys(QWidget *window, std::function<void(bool japanese)> switchTo);
};

} // namespace quillon
