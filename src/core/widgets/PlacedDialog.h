#pragma once
// What every small dialog of the program does alike: its object name, the
// tag the language files give the window itself, its language file, the
// settings file, and its placement record, restored when it is first shown
// and saved when it closes (unless the dialog places itself). Esc closes it,
// as QDialog does.
#include "IniFile.h"

#include <QDialog>

class QPushButton;

namespace quillon {

class PlacedDialog : public QDialog {
    Q_OBJECT
public:
    // Who restores and saves the placement record: this class, at the first
    // show and at every close, or the dialog itself (the find dialog places
    // itself each time it opens).
    enum class Placing : bool { AtFirstShow, BySelf };
    // name: the object name ("FormJump"), also the section of the placement
    // record; languageFile: the dialog's file in the program's language folder.
    PlacedDialog(const QString &name, const QString &languageFile, bool japanese, QWidget *parent,
                 Placing placing = Placing::AtFirstShow);

    bool BoolJapanese = true;
    QString StrLanguageFileName;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    // Runs at every show, after the placement.
    virtual void shown() {}
    // Runs once, at the first show, before shown().
    virtual void firstShown() {}
    // A button of the dialog's row with the object name and tag its language
    // file uses; never an auto default (Enter is the dialog's own business).
    QPushButton *addDialogButton(const QString &text, const QString &name, int tag);
    // OK(&O) (tag 2201) and ｷｬﾝｾﾙ(&C) (tag 2202), as every settings dialog has them.
    QPushButton *addOkButton(const QString &name) { return addDialogButton(QStringLiteral("OK(&O)"), name, 2201); }
    QPushButton *addCancelButton();

    IniFile m_ini;

private:
    bool m_shownOnce = false;
    Placing m_placing;
    bool m_placed = false;
};

} // namespace quillon
